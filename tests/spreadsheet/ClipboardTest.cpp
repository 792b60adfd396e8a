// Copy, cut and paste of areas, and the byte form of a block.
#include "SheetData.h"
#include "TestPrinters.h"

#include <spreadsheet/ClipboardBlock.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <QFile>

#include <gtest/gtest.h>

using namespace spreadsheet;

namespace {

class ClipboardTest : public ::testing::Test {
protected:
    ClipboardTest() : s(wb.addSheet("Plan1")), t(wb.addSheet("Plan2"))
    {
        s.setValue(0, 0, 2.0);            // A1
        s.setValue(1, 0, 3.0);            // A2
        s.setText(0, 1, "=A1*10");        // B1
        s.setText(1, 1, "=$A$1+A2");      // B2
        s.setText(0, 2, "=Plan2!A1+1");   // C1
        CellStyle italic;
        italic.font.italic = true;
        italic.font.color = CellColor::rgb(0x123456);
        italic.alignVert = VerticalAlignment::Center;
        italic.wrapText = true;
        italic.fill = CellColor::rgb(0xFFEE00);
        italic.borderTop = BorderLine::Dotted;
        italic.borderTopColor = CellColor::rgb(0x00FF00);
        italic.borderLeftColor = CellColor::rgb(0x0000FF);
        s.setStyle(1, 1, italic);
        s.setRowHeight(1, 33);
        s.data().merges.push_back({2, 1, 3, 1});  // C2:D2
    }
    Workbook wb;
    Sheet& s;
    Sheet& t;
};

}  // namespace

TEST_F(ClipboardTest, CopiedFormulasShiftTheirRelativeParts)
{
    ClipboardBlock block = ClipboardBlock::copy(s, {0, 0, 3, 1});
    block.paste(s, 4, 1);  // B5
    EXPECT_EQ(s.text(4, 2), QStringLiteral("=B5*10"));
    EXPECT_EQ(s.text(5, 2), QStringLiteral("=$A$1+B6"));
    EXPECT_EQ(s.text(4, 3), QStringLiteral("=Plan2!B5+1"));
    EXPECT_TRUE(s.style(5, 2).font.italic);
    EXPECT_EQ(s.rowHeight(5), 33);
    EXPECT_NE(s.mergedAreaAt(5, 3), nullptr);
    EXPECT_EQ(s.value(5, 2).number(), 2.0 + 3.0);

    block.paste(t, 0, 0);  // same place, other sheet: own-sheet references stay own-sheet
    EXPECT_EQ(t.text(0, 1), QStringLiteral("=A1*10"));
    EXPECT_EQ(t.value(0, 1).number(), 20.0);

    ClipboardBlock::copy(s, {1, 1, 1, 1}).paste(s, 0, 6);
    EXPECT_EQ(s.text(0, 6), QStringLiteral("=$A$1+F1"));
    // Shifting left of the first column gives #REF!.
    ClipboardBlock::copy(s, {1, 1, 1, 1}).paste(s, 7, 0);
    EXPECT_EQ(s.text(7, 0), QStringLiteral("=$A$1+#REF!"));
}

TEST_F(ClipboardTest, CutAndPasteMovesCellsAndReferencesFollow)
{
    t.setText(0, 0, "=Plan1!A1+SUM(Plan1!A1:A2)");
    wb.defineName("Inicio", "Plan1!$A$1");
    ClipboardBlock block = ClipboardBlock::cut(s, {0, 0, 1, 1});  // A1:B2
    block.paste(s, 10, 3);  // D11
    EXPECT_FALSE(s.hasCell(0, 0));
    EXPECT_EQ(s.value(10, 3).number(), 2.0);
    EXPECT_EQ(s.text(10, 4), QStringLiteral("=D11*10"));
    EXPECT_EQ(s.text(11, 4), QStringLiteral("=$D$11+D12"));
    EXPECT_EQ(t.text(0, 0), QStringLiteral("=Plan1!D11+SUM(Plan1!D11:D12)"));
    EXPECT_EQ(wb.findName(u"Inicio")->reference, QStringLiteral("Plan1!$D$11"));
    EXPECT_EQ(s.text(0, 2), QStringLiteral("=Plan2!A1+1"));  // outside the cut area
    EXPECT_FALSE(block.isCut());

    // Moving to another sheet makes own-sheet references explicit.
    ClipboardBlock::cut(s, {4, 10, 4, 10}).paste(t, 5, 5);
    EXPECT_EQ(t.text(5, 5), QStringLiteral("=Plan1!D11*10"));
}

TEST_F(ClipboardTest, PastesThatCannotBeDoneChangeNothing)
{
    ClipboardBlock block = ClipboardBlock::copy(s, {0, 0, 1, 1});
    EXPECT_THROW(block.paste(s, kMaxRows - 1, 0), SpreadsheetError);
    EXPECT_THROW(block.paste(s, 0, 3), SpreadsheetError);  // covers part of C2:D2
    EXPECT_EQ(s.text(0, 2), QStringLiteral("=Plan2!A1+1"));
    ClipboardBlock empty;
    empty.paste(s, 0, 0);
    EXPECT_EQ(s.value(0, 0).number(), 2.0);
}

TEST_F(ClipboardTest, BytesRoundTripAcrossWorkbooks)
{
    const QByteArray bytes = ClipboardBlock::copy(s, {0, 0, 3, 1}).toBytes();
    Workbook other;
    Sheet& o = other.addSheet("Plan2");
    o.setValue(0, 1, 5.0);
    Sheet& target = other.addSheet("Dest");
    ClipboardBlock block = ClipboardBlock::fromBytes(bytes);
    block.paste(target, 0, 0);
    block.paste(target, 10, 0);
    EXPECT_EQ(target.text(0, 1), QStringLiteral("=A1*10"));
    EXPECT_EQ(target.value(0, 1).number(), 20.0);
    EXPECT_EQ(target.text(10, 2), QStringLiteral("=Plan2!A11+1"));
    EXPECT_EQ(target.style(1, 1), s.style(1, 1));
    EXPECT_EQ(target.rowHeight(11), 33);

    Workbook missing;
    Sheet& m = missing.addSheet("X");
    ClipboardBlock::fromBytes(bytes).paste(m, 0, 0);
    EXPECT_EQ(m.text(0, 2), QStringLiteral("=#REF!+1"));

    QByteArray damaged = bytes;
    damaged[damaged.size() / 2] = char(0xFF);
    damaged.truncate(damaged.size() - 3);
    EXPECT_THROW(ClipboardBlock::fromBytes(damaged), SpreadsheetError);
    EXPECT_THROW(ClipboardBlock::fromBytes(QByteArray("nxs")), SpreadsheetError);
}

// Blocks whose formulas the parser could not have produced: a LET ending
// more names than it bound, a function given fewer arguments than it reads.
TEST(ClipboardBytesTest, RefusesFormulasNoParserWrites)
{
    for (const char* name : {"clipboard_let_end_beyond_names.bin", "clipboard_builtin_too_few_arguments.bin"}) {
        QFile file(QStringLiteral(GOLDEN_DATA_DIR "/") + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        EXPECT_THROW(ClipboardBlock::fromBytes(file.readAll()), SpreadsheetError) << name;
    }
}

TEST_F(ClipboardTest, PasteIsOneUndoableAction)
{
    wb.history().clear();
    s.setValue(20, 1, 99.0);
    ClipboardBlock::copy(s, {0, 0, 1, 1}).paste(s, 20, 0);
    ASSERT_EQ(wb.history().GetUndoActionCount(), 2);
    EXPECT_EQ(wb.history().GetUndoAction(0), QStringLiteral("Colar"));
    EXPECT_EQ(wb.history().GetUndoAction(1), QStringLiteral("Digitar"));
    wb.history().Undo();
    EXPECT_EQ(s.value(20, 1).number(), 99.0);
    EXPECT_FALSE(s.hasCell(21, 1));
    EXPECT_EQ(s.rowHeight(21), s.defaultRowHeight());
    wb.history().Redo();
    EXPECT_EQ(s.text(21, 1), QStringLiteral("=$A$1+A22"));
}
