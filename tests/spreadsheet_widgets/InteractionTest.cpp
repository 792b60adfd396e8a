#include "ViewFixture.h"

#include <spreadsheet/Sheet.h>

#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>

using namespace spreadsheet;

namespace {

class KeyboardTest : public ViewFixture {};

TEST_F(KeyboardTest, ArrowsMoveAndShiftArrowsExtend)
{
    QSignalSpy changed(view.get(), &widgets::SpreadsheetView::selectionChanged);
    QTest::keyClick(view.get(), Qt::Key_Down);
    QTest::keyClick(view.get(), Qt::Key_Right);
    EXPECT_EQ(view->currentCell(), (CellAddress{1, 1}));
    EXPECT_EQ(view->selection(), CellRange::cell(1, 1));
    EXPECT_EQ(changed.count(), 2);

    QTest::keyClick(view.get(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(view.get(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(view.get(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(view->currentCell(), (CellAddress{1, 1}));
    EXPECT_EQ(view->selection(), (CellRange{1, 1, 3, 2}));
    EXPECT_EQ(sheet->selection(), view->selection());

    QTest::keyClick(view.get(), Qt::Key_Up);
    EXPECT_EQ(view->selection(), CellRange::cell(0, 1));
    QTest::keyClick(view.get(), Qt::Key_Up);  // stays on the first row
    EXPECT_EQ(view->currentCell(), (CellAddress{0, 1}));
}

TEST_F(KeyboardTest, JumpsSkipHiddenLinesAndReachTheEnds)
{
    sheet->setText(6, 4, QStringLiteral("x"));
    sheet->setRowHidden(1, true);
    view->refresh();
    QTest::keyClick(view.get(), Qt::Key_Down);
    EXPECT_EQ(view->currentCell().row, 2);
    QTest::keyClick(view.get(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(view->currentCell(), (CellAddress{6, 4}));
    QTest::keyClick(view.get(), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(view->currentCell(), (CellAddress{0, 0}));
    QTest::keyClick(view.get(), Qt::Key_PageDown);
    EXPECT_GT(view->currentCell().row, 5);
    QTest::keyClick(view.get(), Qt::Key_Tab);
    QTest::keyClick(view.get(), Qt::Key_Return);
    QTest::keyClick(view.get(), Qt::Key_PageUp);
    QTest::keyClick(view.get(), Qt::Key_PageUp);
    EXPECT_EQ(view->currentCell(), (CellAddress{0, 1}));
}

TEST_F(KeyboardTest, CursorFarDownScrollsIntoView)
{
    view->setSelection(CellRange::cell(50000, 3), {50000, 3});
    const QRect cell = view->cellRect(50000, 3);
    EXPECT_TRUE(view->viewport()->rect().contains(cell)) << cell.y();
}

class EditorTest : public ViewFixture {
protected:
    QLineEdit* editor() const { return view->findChild<QLineEdit*>(); }
};

TEST_F(EditorTest, TypingReplacesAndEnterWritesAFormula)
{
    sheet->setText(0, 0, QStringLiteral("old"));
    QSignalSpy started(view.get(), &widgets::SpreadsheetView::editingStarted);
    QSignalSpy finished(view.get(), &widgets::SpreadsheetView::editingFinished);
    QSignalSpy edited(view.get(), &widgets::SpreadsheetView::cellEdited);
    QTest::keyClicks(view.get(), QStringLiteral("="));
    ASSERT_TRUE(view->isEditing());
    EXPECT_EQ(started.count(), 1);
    QTest::keyClicks(editor(), QStringLiteral("2*3"));
    QTest::keyClick(editor(), Qt::Key_Return);

    EXPECT_FALSE(view->isEditing());
    EXPECT_TRUE(sheet->isFormula(0, 0));
    EXPECT_EQ(sheet->value(0, 0).number(), 6.0);
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited.at(0), (QList<QVariant>{0, 0}));
    ASSERT_EQ(finished.count(), 1);
    EXPECT_TRUE(finished.at(0).at(0).toBool());
    EXPECT_EQ(view->currentCell(), (CellAddress{1, 0}));
}

TEST_F(EditorTest, F2EditsTheTextAndEscapeLeavesTheCell)
{
    sheet->setText(0, 0, QStringLiteral("=1+1"));
    QSignalSpy finished(view.get(), &widgets::SpreadsheetView::editingFinished);
    QSignalSpy edited(view.get(), &widgets::SpreadsheetView::cellEdited);
    QTest::keyClick(view.get(), Qt::Key_F2);
    ASSERT_TRUE(view->isEditing());
    EXPECT_EQ(editor()->text(), QStringLiteral("=1+1"));
    QTest::keyClicks(editor(), QStringLiteral("+5"));
    QTest::keyClick(editor(), Qt::Key_Escape);

    EXPECT_FALSE(view->isEditing());
    EXPECT_EQ(sheet->text(0, 0), QStringLiteral("=1+1"));
    EXPECT_EQ(edited.count(), 0);
    ASSERT_EQ(finished.count(), 1);
    EXPECT_FALSE(finished.at(0).at(0).toBool());
    EXPECT_EQ(view->currentCell(), (CellAddress{0, 0}));
}

TEST_F(EditorTest, DoubleClickEditsTheCellUnderTheMouse)
{
    sheet->setText(2, 1, QStringLiteral("abc"));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, view->cellRect(2, 1).center());
    ASSERT_TRUE(view->isEditing());
    EXPECT_EQ(view->currentCell(), (CellAddress{2, 1}));
    EXPECT_EQ(editor()->text(), QStringLiteral("abc"));
    QTest::keyClick(editor(), Qt::Key_Tab);
    EXPECT_EQ(view->currentCell(), (CellAddress{2, 2}));
}

class ClipboardTest : public ViewFixture {};

TEST_F(ClipboardTest, CopyAndPasteRoundTrip)
{
    sheet->setText(0, 0, QStringLiteral("a"));
    sheet->setText(0, 1, QStringLiteral("2"));
    sheet->setText(1, 0, QStringLiteral("x y"));
    sheet->setText(1, 1, QStringLiteral("=A1&\"!\""));
    view->setSelection({0, 0, 1, 1}, {0, 0});
    view->copyToClipboard();
    view->setSelection(CellRange::cell(4, 3), {4, 3});
    view->pasteFromClipboard();

    EXPECT_EQ(view->selection(), (CellRange{3, 4, 4, 5}));
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            EXPECT_EQ(sheet->displayText(row + 4, column + 3), sheet->displayText(row, column)) << row << column;
        }
    }
    EXPECT_TRUE(sheet->value(4, 4).isNumber());
}

TEST_F(ClipboardTest, CutEmptiesTheSelection)
{
    sheet->setText(0, 0, QStringLiteral("a"));
    sheet->setText(0, 1, QStringLiteral("b"));
    view->setSelection({0, 0, 1, 0}, {0, 0});
    view->cutToClipboard();
    EXPECT_TRUE(sheet->value(0, 0).isEmpty());
    EXPECT_TRUE(sheet->value(0, 1).isEmpty());
    view->setSelection(CellRange::cell(3, 0), {3, 0});
    view->pasteFromClipboard();
    EXPECT_EQ(sheet->text(3, 1), QStringLiteral("b"));
}

class SheetTabsTest : public ViewFixture {
protected:
    QTabBar* tabs() const { return view->findChild<QTabBar*>(); }
};

TEST_F(SheetTabsTest, TabsFollowTheWorkbook)
{
    workbook.addSheet(QStringLiteral("Parâmetros"));
    view->refresh();
    ASSERT_EQ(tabs()->count(), 2);
    EXPECT_EQ(tabs()->tabText(1), QStringLiteral("Parâmetros"));
    EXPECT_FALSE(tabs()->isHidden());
    workbook.setSheetTabsVisible(false);
    view->refresh();
    EXPECT_TRUE(tabs()->isHidden());
}

TEST_F(SheetTabsTest, TheScrollBarRowIsAsHighAsTheTabs)
{
    workbook.addSheet(QStringLiteral("Parâmetros"));
    view->refresh();
    view->show();
    QCoreApplication::processEvents();
    EXPECT_GE(tabs()->height(), tabs()->sizeHint().height());
    EXPECT_GE(view->horizontalScrollBar()->height(), tabs()->sizeHint().height());
}

TEST_F(SheetTabsTest, ChoosingATabActivatesItsSheet)
{
    Sheet& second = workbook.addSheet();
    second.setSelection({2, 3, 2, 3});
    view->refresh();
    QSignalSpy activated(view.get(), &widgets::SpreadsheetView::activeSheetChanged);
    tabs()->setCurrentIndex(1);
    EXPECT_EQ(workbook.activeSheetIndex(), 1);
    EXPECT_EQ(view->activeSheetIndex(), 1);
    ASSERT_EQ(activated.count(), 1);
    EXPECT_EQ(view->currentCell(), (CellAddress{3, 2}));
}

class MouseTest : public ViewFixture {
protected:
    QPoint columnHeader(int column) const
    {
        const QRect cell = view->cellRect(0, column);
        return {cell.center().x(), cell.top() / 2};
    }
    QPoint rowHeader(int row) const
    {
        const QRect cell = view->cellRect(row, 0);
        return {cell.left() / 2, cell.center().y()};
    }
};

TEST_F(MouseTest, HeaderClicksSelectWholeLines)
{
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, columnHeader(2));
    EXPECT_EQ(view->selection(), (CellRange{2, 0, 2, kMaxRows - 1}));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, columnHeader(4));
    EXPECT_EQ(view->selection(), (CellRange{2, 0, 4, kMaxRows - 1}));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rowHeader(3));
    EXPECT_EQ(view->selection(), (CellRange{0, 3, kMaxColumns - 1, 3}));
}

TEST_F(MouseTest, ClickAndShiftClickSelectCells)
{
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cellRect(1, 1).center());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, view->cellRect(3, 2).center());
    EXPECT_EQ(view->selection(), (CellRange{1, 1, 2, 3}));
    EXPECT_EQ(view->currentCell(), (CellAddress{1, 1}));
}

TEST_F(MouseTest, DraggingAHeaderEdgeResizesTheColumn)
{
    const int before = sheet->columnWidth(1);
    const QPoint edge(view->cellRect(0, 1).right(), columnHeader(1).y());
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, edge);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, edge + QPoint(30, 0));
    EXPECT_EQ(sheet->columnWidth(1), before + 30);
    EXPECT_EQ(view->cellRect(0, 1).width(), before + 30);
    EXPECT_EQ(view->selection(), CellRange::cell(0, 0));
}

}  // namespace
