// Undo and redo: grouping, limits, switching off, notifications.
#include "TestPrinters.h"

#include <spreadsheet/ClipboardBlock.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

using namespace spreadsheet;

namespace {

class HistoryTest : public ::testing::Test {
protected:
    HistoryTest() : s(wb.addSheet("Plan1"))
    {
        history().clear();
        history().setChangeListener([this] { ++notifications; });
    }
    History& history() { return wb.history(); }

    Workbook wb;
    Sheet& s;
    int notifications = 0;
};

}  // namespace

TEST_F(HistoryTest, ActionsAreListedMostRecentFirstAndUndoneInOrder)
{
    s.setValue(0, 0, 1.0);
    s.setText(0, 1, "=A1*2");
    s.InsertRows(0, 1);
    ASSERT_EQ(history().GetUndoActionCount(), 3);
    EXPECT_EQ(history().GetUndoAction(0), QStringLiteral("Inserir linhas"));
    EXPECT_EQ(history().GetUndoAction(2), QStringLiteral("Digitar"));
    EXPECT_EQ(notifications, 3);

    history().Undo(2);
    EXPECT_EQ(notifications, 4);  // one notification for the whole undo
    EXPECT_EQ(history().GetRedoActionCount(), 2);
    EXPECT_EQ(history().GetRedoAction(0), QStringLiteral("Digitar"));
    EXPECT_EQ(s.value(0, 0).number(), 1.0);
    EXPECT_FALSE(s.hasCell(0, 1));
    history().Redo(5);  // more than there are: all of them
    EXPECT_EQ(s.text(1, 1), QStringLiteral("=A2*2"));
    EXPECT_EQ(s.value(1, 1).number(), 2.0);
    EXPECT_EQ(history().GetRedoActionCount(), 0);

    history().Undo();
    s.setValue(5, 5, 1.0);  // a new action drops what could be redone
    EXPECT_EQ(history().GetRedoActionCount(), 0);
}

TEST_F(HistoryTest, TheOutermostBatchIsOneAction)
{
    wb.beginUpdate();
    s.setValue(0, 0, 1.0);
    wb.beginUpdate();
    s.setValue(1, 0, 2.0);
    CellStyle bold;
    bold.font.bold = true;
    s.setStyle(1, 0, bold);
    wb.endUpdate();
    s.setText(2, 0, "=A1+A2");
    wb.endUpdate();
    ASSERT_EQ(history().GetUndoActionCount(), 1);
    EXPECT_EQ(history().GetUndoAction(0), QStringLiteral("Digitar"));
    EXPECT_EQ(notifications, 1);
    history().Undo();
    EXPECT_EQ(s.rowCount(), 0);
    history().Redo();
    EXPECT_EQ(s.value(2, 0).number(), 3.0);
    EXPECT_TRUE(s.style(1, 0).font.bold);
}

TEST_F(HistoryTest, ChangesWhileOffClearTheLists)
{
    s.setValue(0, 0, 1.0);
    s.setValue(0, 0, 2.0);
    history().setEnabled(false);
    EXPECT_EQ(history().GetUndoActionCount(), 0);
    s.setValue(0, 0, 3.0);
    history().setEnabled(true);
    s.setValue(0, 0, 4.0);
    history().Undo();
    EXPECT_EQ(s.value(0, 0).number(), 3.0);
    EXPECT_EQ(history().GetUndoActionCount(), 0);
    history().Undo();  // nothing left: nothing happens
    EXPECT_EQ(s.value(0, 0).number(), 3.0);
}

TEST_F(HistoryTest, SheetsNamesAndSizesAreUndoable)
{
    s.setValue(0, 0, 7.0);
    Sheet& other = wb.addSheet("Outra");
    other.setText(0, 0, "=Plan1!A1*2");
    wb.defineName("Valor", "Plan1!$A$1");
    s.setRowHeight(0, 40);
    wb.deleteSheet(0);
    EXPECT_EQ(other.value(0, 0).error(), ErrorCode::Ref);
    history().Undo();  // the sheet comes back, and references to it resolve
    ASSERT_EQ(wb.sheetCount(), 2);
    EXPECT_EQ(wb.sheet(0).name(), QStringLiteral("Plan1"));
    EXPECT_EQ(other.value(0, 0).number(), 14.0);
    history().Undo();
    EXPECT_EQ(wb.sheet(0).rowHeight(0), wb.sheet(0).defaultRowHeight());
    history().Undo();
    EXPECT_EQ(wb.findName(u"Valor"), nullptr);
    wb.renameSheet(1, "Resumo");
    history().Undo();
    EXPECT_EQ(wb.sheet(1).name(), QStringLiteral("Outra"));
}

TEST_F(HistoryTest, HistoryIsBoundedByCountAndMemory)
{
    for (int i = 0; i < 150; ++i) {
        s.setValue(0, 0, i);
    }
    EXPECT_EQ(history().GetUndoActionCount(), History::kMaxActions);
    history().Undo(History::kMaxActions);
    EXPECT_EQ(s.value(0, 0).number(), 49.0);  // the oldest fifty were dropped

    history().clear();
    const QString big(32000, u'x');
    for (int i = 0; i < 400; ++i) {
        wb.beginUpdate();
        for (int r = 0; r < 25; ++r) {
            s.setText(r, 1, big + QString::number(i), TextMode::Plain);
        }
        wb.endUpdate();
        ASSERT_LE(history().memoryUsage(), History::kMaxBytes);
    }
    EXPECT_LT(history().GetUndoActionCount(), 100);
    EXPECT_GT(history().GetUndoActionCount(), 0);
}

TEST_F(HistoryTest, AFailedOperationLeavesNoTrace)
{
    s.setValue(0, 0, 1.0);
    s.setValue(kMaxRows - 1, 0, 1.0);
    const int before = history().GetUndoActionCount();
    EXPECT_THROW(s.InsertRows(0, 1), SpreadsheetError);
    EXPECT_EQ(history().GetUndoActionCount(), before);
    EXPECT_THROW(ClipboardBlock::copy(s, {0, 0, 0, 1}).paste(s, kMaxRows - 1, 0), SpreadsheetError);
    EXPECT_EQ(history().GetUndoActionCount(), before);

    // A throwing step inside a batch rolls back what the batch did so far.
    EXPECT_THROW(
        {
            HistoryScope scope(history(), QStringLiteral("Teste"));
            s.setValue(3, 3, 9.0);
            s.setValue(kMaxRows, 0, 1.0);
        },
        SpreadsheetError);
    EXPECT_FALSE(s.hasCell(3, 3));
    EXPECT_EQ(history().GetUndoActionCount(), before);
}

// A save marker: the state id comes back with undo and redo, and is never
// met again once the state cannot be reached.
TEST_F(HistoryTest, StateIdsMarkWhatUndoAndRedoReturnTo)
{
    const auto salvo = history().stateId();
    s.setText(0, 0, "a");
    const auto depoisDeA = history().stateId();
    EXPECT_NE(depoisDeA, salvo);
    s.setText(0, 1, "b");
    history().Undo(2);
    EXPECT_EQ(history().stateId(), salvo);
    history().Redo();
    EXPECT_EQ(history().stateId(), depoisDeA);
    history().clear();  // the workbook is unchanged by forgetting its past
    EXPECT_EQ(history().stateId(), depoisDeA);

    // Saved at a state whose action later drops out of the bounded list.
    const auto marca = history().stateId();
    for (int i = 0; i < History::kMaxActions + 5; ++i)
        s.setText(1, 0, QString::number(i));
    history().Undo(History::kMaxActions);
    EXPECT_NE(history().stateId(), marca);
    EXPECT_EQ(history().GetUndoActionCount(), 0);

    // A change with history off is a new state too.
    history().setEnabled(false);
    const auto antes = history().stateId();
    s.setText(2, 0, "c");
    EXPECT_NE(history().stateId(), antes);
}
