#include "ViewFixture.h"

#include <spreadsheet/FormulaConvention.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QLineEdit>
#include <QLocale>
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

// Tab and Enter on a proposal take it and the edit goes on; with no list
// open, Enter writes the cell.
TEST_F(EditorTest, TheProposalTakenByTabOrEnterKeepsTheEditOpen)
{
    view->setFunctionEntries({{"SOMA", "núm1; [núm2]; ..."}});
    QTest::keyClicks(view.get(), QStringLiteral("="));
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Return}) {
        editor()->setText(QStringLiteral("="));
        QTest::keyClicks(editor(), QStringLiteral("so"));
        QWidget* lista = QApplication::activePopupWidget();
        ASSERT_NE(lista, nullptr);
        QTest::keyClick(lista, key);
        EXPECT_TRUE(view->isEditing());
        EXPECT_EQ(editor()->text(), QStringLiteral("=SOMA("));
    }
    QTest::keyClicks(editor(), QStringLiteral("2;3)"));
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_EQ(sheet->value(0, 0).number(), 5.0);
}

TEST_F(EditorTest, TypingReplacesAndEnterWritesAFormulaThenF2EditsItAndEscapeLeavesIt)
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

    view->setSelection(CellRange::cell(0, 0), {0, 0});
    QTest::keyClick(view.get(), Qt::Key_F2);
    ASSERT_TRUE(view->isEditing());
    EXPECT_EQ(editor()->text(), QStringLiteral("=2*3"));
    QTest::keyClicks(editor(), QStringLiteral("+5"));
    QTest::keyClick(editor(), Qt::Key_Escape);
    EXPECT_FALSE(view->isEditing());
    EXPECT_EQ(sheet->text(0, 0), QStringLiteral("=2*3"));
    EXPECT_EQ(edited.count(), 1);
    ASSERT_EQ(finished.count(), 2);
    EXPECT_FALSE(finished.at(1).at(0).toBool());
    EXPECT_EQ(view->currentCell(), (CellAddress{0, 0}));
}

// Formulas are typed and shown in the view's convention and kept in the
// engine's: the Brazilian one by default.
TEST_F(EditorTest, FormulasAreTypedInTheViewsConvention)
{
    struct Case {
        FormulaConvention convention;
        QString typed;
        QString stored;
        double value;
    };
    const Case cases[] = {
        {FormulaConvention::Brazilian, QStringLiteral("=1,5+1"), QStringLiteral("=1.5+1"), 2.5},
        {FormulaConvention::Brazilian, QStringLiteral("=SOMA(1;2,5)"), QStringLiteral("=SUM(1;2.5)"), 3.5},
        {FormulaConvention::English, QStringLiteral("=SUM(1,2.5)"), QStringLiteral("=SUM(1;2.5)"), 3.5},
    };
    for (const Case& c : cases) {
        view->setFormulaConvention(c.convention);
        view->setSelection(CellRange::cell(0, 0), {0, 0});
        QSignalSpy typed(view.get(), &widgets::SpreadsheetView::editorTextChanged);
        view->startEditing(true, c.typed);
        EXPECT_EQ(typed.last().at(0).toString(), c.typed);
        QTest::keyClick(editor(), Qt::Key_Return);
        EXPECT_EQ(sheet->text(0, 0), c.stored) << c.typed.toStdString();
        EXPECT_EQ(sheet->value(0, 0).number(), c.value) << c.typed.toStdString();
        EXPECT_EQ(view->userText(0, 0), c.typed);
    }
}

TEST_F(EditorTest, AFormulaThatCannotBeReadKeepsTheEditorOpen)
{
    const QString typed = QStringLiteral("=SE(A1>0,1,2)");
    view->startEditing(true, typed);
    QSignalSpy failed(view.get(), &widgets::SpreadsheetView::operationFailed);
    QTest::keyClick(editor(), Qt::Key_Return);
    ASSERT_EQ(failed.count(), 1);
    EXPECT_TRUE(failed.at(0).at(0).toString().contains(QStringLiteral("';'")));
    EXPECT_TRUE(view->isEditing());
    EXPECT_EQ(editor()->text(), typed);
    EXPECT_FALSE(sheet->hasCell(0, 0));
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

// The program runs in the Brazilian locale: decimal commas in and out.
class ClipboardTest : public ViewFixture {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        ViewFixture::SetUp();
    }
    void TearDown() override { QLocale::setDefault(previous_); }

private:
    QLocale previous_;
};

TEST_F(ClipboardTest, CopyPastesFormulasStylesAndTextForOtherPrograms)
{
    sheet->setText(1, 1, QStringLiteral("1500,5"));
    sheet->setText(2, 1, QStringLiteral("2300"));
    sheet->setText(3, 1, QStringLiteral("=B2+B3"));
    CellStyle bold;
    bold.font.bold = true;
    sheet->setStyle(3, 1, bold);
    view->setSelection({1, 1, 1, 3}, {1, 1});
    view->copyToClipboard();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    EXPECT_TRUE(data->hasFormat(QStringLiteral("application/x-darvelo-celulas")));
    EXPECT_EQ(data->text(), QStringLiteral("1500,5\n2300\n3800,5\n"));
    EXPECT_TRUE(data->html().contains(QStringLiteral("<td>3800,5</td>")));

    view->setSelection(CellRange::cell(1, 3), {1, 3});
    view->pasteFromClipboard();
    EXPECT_EQ(view->selection(), (CellRange{3, 1, 3, 3}));
    EXPECT_EQ(sheet->text(3, 3), QStringLiteral("=D2+D3"));
    EXPECT_TRUE(sheet->style(3, 3).font.bold);
    EXPECT_EQ(sheet->value(3, 3).number(), 3800.5);
}

TEST_F(ClipboardTest, CutCellsMoveAtThePasteAndReferencesFollow)
{
    sheet->setText(0, 0, QStringLiteral("7"));
    sheet->setText(0, 2, QStringLiteral("=A1*2"));
    view->setSelection(CellRange::cell(0, 0), {0, 0});
    view->cutToClipboard();
    EXPECT_EQ(sheet->value(0, 0).number(), 7.0);  // nothing moves before the paste
    view->setSelection(CellRange::cell(4, 0), {4, 0});
    view->pasteFromClipboard();
    EXPECT_TRUE(sheet->value(0, 0).isEmpty());
    EXPECT_EQ(sheet->text(0, 2), QStringLiteral("=A5*2"));
    // A second paste copies the cells from where they are now.
    view->setSelection(CellRange::cell(6, 0), {6, 0});
    view->pasteFromClipboard();
    EXPECT_EQ(sheet->value(4, 0).number(), 7.0);
    EXPECT_EQ(sheet->value(6, 0).number(), 7.0);
}

TEST_F(ClipboardTest, BetweenWorkbooksCopyAndCutWorkAsWithinOne)
{
    Workbook other;
    Sheet& target = other.addSheet();
    spreadsheet::widgets::SpreadsheetView otherView;
    otherView.setWorkbook(&other);
    sheet->setText(0, 0, QStringLiteral("2"));
    sheet->setText(1, 0, QStringLiteral("=A1+1"));
    view->setSelection({0, 0, 0, 1}, {0, 0});
    view->copyToClipboard();
    otherView.setSelection(CellRange::cell(0, 1), {0, 1});
    otherView.pasteFromClipboard();
    EXPECT_EQ(target.text(1, 1), QStringLiteral("=B1+1"));

    view->cutToClipboard();
    otherView.setSelection(CellRange::cell(5, 0), {5, 0});
    otherView.pasteFromClipboard();
    EXPECT_EQ(target.value(6, 0).number(), 3.0);
    EXPECT_FALSE(sheet->hasCell(0, 0));
    // Pasting again copies; the old place, written anew, is left alone.
    sheet->setText(0, 0, QStringLiteral("9"));
    otherView.setSelection(CellRange::cell(8, 0), {8, 0});
    otherView.pasteFromClipboard();
    EXPECT_EQ(sheet->value(0, 0).number(), 9.0);
    EXPECT_EQ(target.text(9, 0), QStringLiteral("=A9+1"));

    // Once the source workbook is gone its cells still paste, as a copy.
    view->copyToClipboard();
    view->setWorkbook(nullptr);
    otherView.setSelection(CellRange::cell(20, 0), {20, 0});
    otherView.pasteFromClipboard();
    EXPECT_EQ(target.value(20, 0).number(), 9.0);
}

TEST_F(ClipboardTest, TextFromOtherProgramsIsReadAsTyped)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("1,5\tx\n"));
    view->setSelection(CellRange::cell(2, 2), {2, 2});
    view->pasteFromClipboard();
    EXPECT_EQ(sheet->value(2, 2).number(), 1.5);
    EXPECT_EQ(sheet->text(2, 3), QStringLiteral("x"));
}

class SheetTabsTest : public ViewFixture {
protected:
    QTabBar* tabs() const { return view->findChild<QTabBar*>(); }
};

TEST_F(SheetTabsTest, TabsFollowTheWorkbookAndTheScrollBarRowIsAsHighAsThey)
{
    workbook.addSheet(QStringLiteral("Parâmetros"));
    view->refresh();
    ASSERT_EQ(tabs()->count(), 2);
    EXPECT_EQ(tabs()->tabText(1), QStringLiteral("Parâmetros"));
    EXPECT_FALSE(tabs()->isHidden());
    view->show();
    QCoreApplication::processEvents();
    EXPECT_GE(tabs()->height(), tabs()->sizeHint().height());
    EXPECT_GE(view->horizontalScrollBar()->height(), tabs()->sizeHint().height());
    workbook.setSheetTabsVisible(false);
    view->refresh();
    EXPECT_TRUE(tabs()->isHidden());
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
