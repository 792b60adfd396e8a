// The toolbar's formatting commands over an area: font styles, alignment
// and the border presets, each one undoable action.
#include <spreadsheet/CellFormatting.h>
#include <spreadsheet/History.h>
#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

using namespace spreadsheet;

namespace {

const CellRange kB2C3{1, 1, 2, 2};

class CellFormattingTest : public ::testing::Test {
protected:
    CellFormattingTest() : sheet(workbook.addSheet()) {}

    // Every cell of rows 1 to 5 and columns A to E with a thick left and
    // top line, so that a preset's changes and what it keeps both show.
    void lineEverything()
    {
        sheet.formatCells({0, 0, 4, 4}, [](CellStyle& s) { s.borderLeft = s.borderTop = BorderLine::Thick; });
        workbook.history().clear();
    }

    Workbook workbook;
    Sheet& sheet;
};

TEST_F(CellFormattingTest, BoldOverAMixedAreaMakesEveryCellBold)
{
    sheet.formatCells({1, 1, 1, 1}, [](CellStyle& s) { s.font.bold = true; });
    CellFormatting::ApplyCellFormat(sheet, kB2C3, kSetBold, {}, kBold, {}, 0);
    for (int row = 1; row <= 2; ++row) {
        for (int column = 1; column <= 2; ++column) {
            EXPECT_TRUE(sheet.style(row, column).font.bold);
        }
    }
    EXPECT_FALSE(sheet.style(3, 1).font.bold);
    CellFormatting::ApplyCellFormat(sheet, kB2C3, kSetItalic | kSetFontSize | kSetAlignment, HorizontalAlignment::Right,
                                    0, {}, 14);
    const CellStyle& after = sheet.style(2, 2);
    EXPECT_TRUE(after.font.bold);  // a flag not given leaves its style alone
    EXPECT_FALSE(after.font.italic);
    EXPECT_EQ(after.font.size, 14);
    EXPECT_EQ(after.alignHorz, HorizontalAlignment::Right);
    EXPECT_EQ(after.font.name, CellFont{}.name);
}

struct Line {
    int row;
    int column;
    BorderLine left;
    BorderLine top;
};

struct PresetCase {
    int preset;
    std::vector<Line> lines;  // cells around B2:C3 after the preset
};

class BorderPresetTest : public CellFormattingTest, public ::testing::WithParamInterface<PresetCase> {};

TEST_P(BorderPresetTest, EdgesGoToTheLeftAndTopLinesOfTheCellsTheyTouch)
{
    lineEverything();
    CellFormatting::applyBorderPreset(sheet, kB2C3, GetParam().preset);
    for (const Line& line : GetParam().lines) {
        EXPECT_EQ(sheet.style(line.row, line.column).borderLeft, line.left) << line.row << ',' << line.column;
        EXPECT_EQ(sheet.style(line.row, line.column).borderTop, line.top) << line.row << ',' << line.column;
    }
    ASSERT_EQ(workbook.history().GetUndoActionCount(), 1);
    workbook.history().Undo();
    EXPECT_EQ(sheet.style(3, 1).borderTop, BorderLine::Thick);
    EXPECT_EQ(sheet.style(2, 2).borderLeft, BorderLine::Thick);
}

constexpr BorderLine N = BorderLine::None;
constexpr BorderLine T = BorderLine::Thin;
constexpr BorderLine K = BorderLine::Thick;
constexpr BorderLine D = BorderLine::Double;

// Rows and columns from 0: B2 is (1, 1), the row below is 3, the column after is 3 (D).
INSTANTIATE_TEST_SUITE_P(
    Presets, BorderPresetTest,
    ::testing::Values(
        // no borders: L and R + 1 lose their left lines, T and B + 1 their top lines, inside too
        PresetCase{0, {{1, 1, N, N}, {2, 2, N, N}, {1, 3, N, K}, {3, 1, K, N}, {3, 2, K, N}, {0, 1, K, K}}},
        // thin bottom: B4 and C4 get a thin top, the inner lines go, the outline stays
        PresetCase{3, {{3, 1, K, T}, {3, 2, K, T}, {2, 1, K, N}, {1, 2, N, K}, {1, 1, K, K}, {1, 3, K, K}}},
        // all lines thin, inside included
        PresetCase{5, {{1, 1, T, T}, {2, 2, T, T}, {2, 3, T, K}, {3, 2, K, T}}},
        // thin top, double bottom
        PresetCase{10, {{1, 1, K, T}, {1, 2, N, T}, {3, 1, K, D}, {2, 2, N, N}}},
        // thick outline
        PresetCase{11, {{1, 1, K, K}, {2, 1, K, N}, {1, 3, K, K}, {3, 2, K, K}, {2, 2, N, N}}}));

TEST_F(CellFormattingTest, AStyleChangeSetsOnlyWhatItNamesInOneAction)
{
    sheet.formatCells(kB2C3, [](CellStyle& s) { s.font.bold = true; s.numberFormat = "0.00"; });
    workbook.history().clear();
    const CellColor red = CellColor::rgb(0xFF0000), blue = CellColor::rgb(0x0000FF);
    StyleChange change;
    change.alignVert = VerticalAlignment::Top;
    change.wrapText = true;
    change.fontColor = red;
    change.fill = blue;
    change.locked = false;
    change.numberFormat = "#,##0";
    change.right = BorderSide{BorderLine::Dashed, red};
    change.bottom = BorderSide{BorderLine::Double, {}};
    change.insideHorizontal = BorderSide{BorderLine::Hair, blue};
    CellFormatting::applyStyleChange(sheet, kB2C3, change);

    const CellStyle& c3 = sheet.style(2, 2);
    EXPECT_TRUE(c3.font.bold);  // not named, kept
    EXPECT_EQ(c3.numberFormat, "#,##0");
    EXPECT_EQ(c3.alignVert, VerticalAlignment::Top);
    EXPECT_TRUE(c3.wrapText);
    EXPECT_EQ(c3.font.color, red);
    EXPECT_EQ(c3.fill, blue);
    EXPECT_FALSE(c3.locked);
    const AreaBorders b = CellFormatting::bordersOf(sheet, kB2C3);
    EXPECT_EQ(b.right, (BorderSide{BorderLine::Dashed, red}));
    EXPECT_EQ(b.bottom, (BorderSide{BorderLine::Double, {}}));
    EXPECT_EQ(b.insideHorizontal, (BorderSide{BorderLine::Hair, blue}));
    EXPECT_EQ(b.left, BorderSide{});
    EXPECT_EQ(sheet.style(3, 3).fill, CellColor{});  // outside the area

    // A line taken away loses its colour too.
    StyleChange none;
    none.right = BorderSide{BorderLine::None, red};
    CellFormatting::applyStyleChange(sheet, kB2C3, none);
    EXPECT_EQ(CellFormatting::bordersOf(sheet, kB2C3).right, BorderSide{});

    ASSERT_EQ(workbook.history().GetUndoActionCount(), 2);
    workbook.history().Undo();
    workbook.history().Undo();
    EXPECT_EQ(sheet.style(2, 2).fill, CellColor{});
    EXPECT_EQ(sheet.style(2, 2).numberFormat, "0.00");
    EXPECT_EQ(CellFormatting::bordersOf(sheet, kB2C3).bottom, BorderSide{});
}

// Style edits are recorded by style id: a big area with all its lines
// stays within the history's memory and so stays undoable.
TEST_F(CellFormattingTest, AGridOverAHundredThousandTextCellsCanBeUndone)
{
    const CellRange area{0, 0, 9, 9999};
    for (int row = 0; row <= area.bottom; ++row) {
        sheet.setText(row, 0, QStringLiteral("Funcionário com um nome bem comprido %1").arg(row), TextMode::Plain);
    }
    workbook.history().clear();
    StyleChange grid;
    grid.fill = CellColor::rgb(0xFFFF99);
    grid.left = grid.top = grid.right = grid.bottom = grid.insideVertical = grid.insideHorizontal =
        BorderSide{BorderLine::Thin, {}};
    CellFormatting::applyStyleChange(sheet, area, grid);
    ASSERT_EQ(workbook.history().GetUndoActionCount(), 1);
    workbook.history().Undo();
    EXPECT_EQ(sheet.style(5000, 5), CellStyle{});
    EXPECT_EQ(sheet.text(5000, 0), QStringLiteral("Funcionário com um nome bem comprido 5000"));
    workbook.history().Redo();
    EXPECT_EQ(sheet.style(5000, 5).borderLeft, BorderLine::Thin);
}

TEST_F(CellFormattingTest, EdgesBeyondTheSheetAreLeftOutAndUnknownPresetsRefused)
{
    const CellRange corner{kMaxColumns - 1, kMaxRows - 1, kMaxColumns - 1, kMaxRows - 1};
    CellFormatting::applyBorderPreset(sheet, corner, 8);
    EXPECT_EQ(sheet.style(kMaxRows - 1, kMaxColumns - 1).borderLeft, BorderLine::Thin);
    EXPECT_THROW(CellFormatting::applyBorderPreset(sheet, kB2C3, 12), SpreadsheetError);
}

}  // namespace
