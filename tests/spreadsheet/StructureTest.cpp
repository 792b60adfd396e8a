// Inserting and deleting rows, columns and cells.
#include "SheetData.h"
#include "TestPrinters.h"

#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

using namespace spreadsheet;

namespace {

class StructureTest : public ::testing::Test {
protected:
    StructureTest() : s(wb.addSheet("Plan1")), other(wb.addSheet("Outra"))
    {
        for (int r = 0; r < 10; ++r) {
            s.setValue(r, 0, r + 1.0);  // A1:A10 = 1..10
        }
        s.setText(0, 2, "=SUM(A1:A10)");        // C1
        s.setText(4, 2, "=A5*2");               // C5
        s.setText(5, 2, "=$A$6+A7");            // C6
        other.setText(0, 0, "=Plan1!A5+SUM(Plan1!A3:A8)");
        wb.defineName("Base", "Plan1!$A$5");
    }
    Workbook wb;
    Sheet& s;
    Sheet& other;
};

}  // namespace

TEST_F(StructureTest, InsertingRowsMovesCellsAndReferences)
{
    s.InsertRows(2, 3);  // before row 3
    EXPECT_EQ(s.value(7, 0).number(), 5.0);
    EXPECT_FALSE(s.hasCell(2, 0));
    EXPECT_EQ(s.text(0, 2), QStringLiteral("=SUM(A1:A13)"));
    EXPECT_EQ(s.text(7, 2), QStringLiteral("=A8*2"));
    EXPECT_EQ(s.text(8, 2), QStringLiteral("=$A$9+A10"));
    EXPECT_EQ(other.text(0, 0), QStringLiteral("=Plan1!A8+SUM(Plan1!A6:A11)"));
    EXPECT_EQ(wb.findName(u"Base")->reference, QStringLiteral("Plan1!$A$8"));
    EXPECT_EQ(s.value(0, 2).number(), 55.0);
    EXPECT_EQ(other.value(0, 0).number(), 5.0 + (3 + 4 + 5 + 6 + 7 + 8));
}

TEST_F(StructureTest, DeletingRowsGivesRefErrorsAndShrinksRanges)
{
    s.deleteRows(4, 2);  // rows 5 and 6
    EXPECT_EQ(s.value(4, 0).number(), 7.0);
    EXPECT_EQ(s.text(0, 2), QStringLiteral("=SUM(A1:A8)"));
    EXPECT_EQ(s.value(0, 2).number(), 55.0 - 5 - 6);
    EXPECT_EQ(other.text(0, 0), QStringLiteral("=#REF!+SUM(Plan1!A3:A6)"));
    EXPECT_EQ(other.value(0, 0).error(), ErrorCode::Ref);
    EXPECT_EQ(wb.findName(u"Base")->reference, QStringLiteral("Plan1!#REF!"));
    EXPECT_FALSE(s.isFormula(4, 2) && s.text(4, 2) == QStringLiteral("=A5*2"));
}

TEST_F(StructureTest, PageBreaksMoveWithTheirRowsAndUndo)
{
    s.setPageBreak(5, true);
    s.setPageBreak(9, true);
    s.InsertRows(2, 3);
    EXPECT_EQ(s.pageBreaks(), (std::vector<int>{8, 12}));
    s.deleteRows(8, 1);  // the row that started a page goes with its break
    EXPECT_EQ(s.pageBreaks(), std::vector<int>{11});
    s.setPageBreak(11, false);
    EXPECT_TRUE(s.pageBreaks().empty());
    wb.history().Undo(1);
    EXPECT_EQ(s.pageBreaks(), std::vector<int>{11});
}

TEST_F(StructureTest, ShiftingCellsOnlyMovesTheirColumns)
{
    s.insertCells({0, 1, 0, 2}, InsertMove::ShiftDown);  // A2:A3 down
    EXPECT_EQ(s.value(3, 0).number(), 2.0);
    EXPECT_EQ(s.value(11, 0).number(), 10.0);
    EXPECT_EQ(s.text(4, 2), QStringLiteral("=A7*2"));  // C5 did not move, its precedent did
    EXPECT_EQ(s.text(0, 2), QStringLiteral("=SUM(A1:A12)"));
    s.deleteCells({0, 1, 0, 2}, DeleteMove::ShiftUp);
    EXPECT_EQ(s.text(4, 2), QStringLiteral("=A5*2"));
    EXPECT_EQ(s.value(4, 2).number(), 10.0);

    s.insertCells({2, 4, 2, 4}, InsertMove::ShiftRight);  // C5 moves to D5
    EXPECT_EQ(s.text(4, 3), QStringLiteral("=A5*2"));
    EXPECT_FALSE(s.hasCell(4, 2));
}

TEST_F(StructureTest, ColumnsMoveWithSizesStylesAndMerges)
{
    s.setColumnWidth(2, 140);
    CellStyle bold;
    bold.font.bold = true;
    s.setStyle(4, 2, bold);
    s.data().merges.push_back({2, 8, 3, 9});  // C9:D10
    s.InsertColumns(1, 2);
    EXPECT_EQ(s.columnWidth(4), 140);
    EXPECT_EQ(s.columnWidth(2), s.defaultColumnWidth());
    EXPECT_TRUE(s.style(4, 4).font.bold);
    EXPECT_EQ(s.text(4, 4), QStringLiteral("=A5*2"));
    ASSERT_EQ(s.data().merges.size(), 1u);
    EXPECT_EQ(s.data().merges[0], (CellRange{4, 8, 5, 9}));
    s.deleteColumns(5, 1);  // cuts the merge to one column
    ASSERT_EQ(s.data().merges.size(), 1u);
    EXPECT_EQ(s.data().merges[0], (CellRange{4, 8, 4, 9}));
    s.deleteRows(9, 1);  // and then to one cell: it goes
    EXPECT_TRUE(s.data().merges.empty());
}

TEST_F(StructureTest, BadEditsAreRefusedWithoutChange)
{
    s.setValue(kMaxRows - 1, 5, 1.0);
    EXPECT_THROW(s.InsertRows(0, 1), SpreadsheetError);  // would push F1048576 off
    EXPECT_EQ(s.value(0, 0).number(), 1.0);
    EXPECT_THROW(s.deleteRows(-1, 1), SpreadsheetError);
    EXPECT_THROW(s.InsertRows(0, 0), SpreadsheetError);
    s.data().merges.push_back({0, 20, 3, 21});  // A21:D22
    EXPECT_THROW(s.insertCells({0, 10, 1, 10}, InsertMove::ShiftDown), SpreadsheetError);
    EXPECT_EQ(s.value(9, 0).number(), 10.0);
}

TEST_F(StructureTest, UndoRestoresDeletedCellsAndReferences)
{
    wb.history().clear();
    s.deleteRows(2, 5);  // rows 3..7
    ASSERT_EQ(wb.history().GetUndoActionCount(), 1);
    EXPECT_EQ(wb.history().GetUndoAction(0), QStringLiteral("Excluir linhas"));
    wb.history().Undo();
    for (int r = 0; r < 10; ++r) {
        EXPECT_EQ(s.value(r, 0).number(), r + 1.0) << r;
    }
    EXPECT_EQ(s.text(4, 2), QStringLiteral("=A5*2"));
    EXPECT_EQ(s.text(5, 2), QStringLiteral("=$A$6+A7"));
    EXPECT_EQ(other.text(0, 0), QStringLiteral("=Plan1!A5+SUM(Plan1!A3:A8)"));
    EXPECT_EQ(wb.findName(u"Base")->reference, QStringLiteral("Plan1!$A$5"));
    EXPECT_EQ(other.value(0, 0).number(), 5.0 + 33.0);

    wb.history().Redo();
    EXPECT_EQ(s.value(2, 0).number(), 8.0);
    EXPECT_EQ(other.value(0, 0).error(), ErrorCode::Ref);
    wb.history().Undo();
    s.InsertRows(0, 2);
    wb.history().Undo();
    EXPECT_EQ(s.text(0, 2), QStringLiteral("=SUM(A1:A10)"));
    EXPECT_EQ(s.value(0, 0).number(), 1.0);
}
