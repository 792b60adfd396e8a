// A large sheet part read on every core: how it is cut, and that the cut
// reads as the whole part did.
#include "IoTestSupport.h"
#include "xlsx/XlsxPackageScan.h"
#include "xlsx/XlsxSheetPieces.h"
#include "xlsx/XlsxXml.h"

#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>
#include <spreadsheet/io/FileFormatError.h>
#include <spreadsheet/io/WorkbookExport.h>

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

using namespace spreadsheet;
using namespace spreadsheet::io;

namespace {

std::string rowsOf(int count, const std::string& prefix = {})
{
    std::string rows;
    for (int r = 1; r <= count; ++r) {
        rows += "<" + prefix + "row r=\"" + std::to_string(r) + "\"><" + prefix + "c r=\"A" + std::to_string(r)
              + "\"><" + prefix + "v>" + std::to_string(r) + "</" + prefix + "v></" + prefix + "c></" + prefix
              + "row>";
    }
    return rows;
}

std::string sheet(const std::string& data, const std::string& prefix = {})
{
    return "<?xml version=\"1.0\"?><" + prefix + "worksheet><" + prefix + "dimension ref=\"A1\"/>" + data + "<"
         + prefix + "mergeCells/></" + prefix + "worksheet>";
}

struct CutCase {
    const char* name;
    std::string part;
    std::size_t pieces;  // 0: not cut
};

TEST(XlsxSheetPiecesTest, RowsAreCutWholeOrNotAtAll)
{
    const std::string rows = rowsOf(40);
    const CutCase cases[] = {
        {"rows", sheet("<sheetData>" + rows + "</sheetData>"), 2},
        {"prefixed", sheet("<x:sheetData>" + rowsOf(40, "x:") + "</x:sheetData>", "x:"), 2},
        {"one row", sheet("<sheetData>" + rowsOf(1) + "</sheetData>"), 0},
        {"empty", sheet("<sheetData/>"), 0},
        {"attributes", sheet("<sheetData a=\"1\">" + rows + "</sheetData>"), 0},
        {"comment", sheet("<sheetData>" + rows + "<!-- <row r=\"9\"> --></sheetData>"), 0},
        {"character data", sheet("<sheetData>" + rows + "<![CDATA[<row>]]></sheetData>"), 0},
        {"instruction", sheet("<sheetData><?pi?>" + rows + "</sheetData>"), 0},
        {"no data", sheet(""), 0},
    };
    for (const CutCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = c.part + '\0';
        const auto cut = XlsxSheetPieces::cut(text, 2);
        ASSERT_EQ(cut.has_value(), c.pieces > 0);
        if (!cut) {
            continue;
        }
        ASSERT_EQ(cut->count(), c.pieces);
        // The outer text and the pieces' insides put together give the part back.
        const std::string outer(cut->outer().substr(0, cut->outer().size() - 1));
        const std::string name = c.part.find("x:sheetData") != std::string::npos ? "x:sheetData" : "sheetData";
        const std::string open = "<" + name + ">";
        const std::string close = "</" + name + ">";
        std::string inside;
        for (std::size_t i = 0; i < cut->count(); ++i) {
            const std::string piece(cut->piece(i).substr(0, cut->piece(i).size() - 1));
            ASSERT_TRUE(piece.starts_with(open + "<") && piece.ends_with("row>" + close)) << piece;
            inside += piece.substr(open.size(), piece.size() - open.size() - close.size());
        }
        const std::size_t at = outer.find(open) + open.size();
        EXPECT_EQ(outer.substr(0, at) + inside + outer.substr(at), c.part);
        EXPECT_EQ(cut->outer().back(), '\0');
    }
}

// A tag cut short in the second half is refused as it is in a whole part.
TEST(XlsxSheetPiecesTest, AFaultInAPieceIsFound)
{
    const std::string text = sheet("<sheetData>" + rowsOf(40) + "<row r=\"41\"><c r=\"A41></row></sheetData>") + '\0';
    const auto cut = XlsxSheetPieces::cut(text, 2);
    ASSERT_TRUE(cut);
    xml::Package::checkText("sheet1.xml", cut->piece(0));
    EXPECT_THROW(xml::Package::checkText("sheet1.xml", cut->piece(1)), FileFormatError);
}

// Enough rows that the part is read in pieces on a machine of two cores.
TEST(XlsxSheetPiecesTest, ALargeSheetReadsItsCellsHiddenRowsAndMergesInOrder)
{
    constexpr int kRows = 60000;
    Workbook workbook;
    Sheet& data = workbook.addSheet(QStringLiteral("Dados"));
    workbook.beginUpdate();
    for (int r = 0; r < kRows; ++r) {
        data.setValue(r, 0, r + 1);
        data.setText(r, 1, QStringLiteral("linha %1").arg(r + 1));
    }
    workbook.endUpdate();
    for (const int row : {3, kRows / 2, kRows - 2})
        data.setRowHidden(row, true);
    data.mergeCells(CellRange{2, 0, 3, 1});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("grande.xlsx"));
    WorkbookExport::xlsx(workbook, path);

    const XlsxPackageScan scan(iotest::fileBytes(path));
    const XlsxSheetExtras& read = scan.sheets().at(0);
    // Every cell once, in the order of the part; the merge adds blanks.
    std::vector<XlsxCell> cells;
    for (const std::vector<XlsxCell>& piece : read.cells)
        cells.insert(cells.end(), piece.begin(), piece.end());
    std::size_t filled = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const XlsxCell& cell = cells[i];
        if (i > 0) {
            const XlsxCell& before = cells[i - 1];
            ASSERT_LT(std::pair(before.row, before.column), std::pair(cell.row, cell.column)) << i;
        }
        if (!cell.value.isEmpty()) {
            ++filled;
            ASSERT_EQ(cell.value.isNumber(), cell.column == 0) << i;
        }
    }
    EXPECT_EQ(filled, std::size_t{2 * kRows});
    EXPECT_EQ(cells.back().row, kRows - 1);
    EXPECT_EQ(read.hiddenRows, (std::vector<int>{3, kRows / 2, kRows - 2}));
    EXPECT_EQ(read.merges, (std::vector<CellRange>{CellRange{2, 0, 3, 1}}));
}

}  // namespace
