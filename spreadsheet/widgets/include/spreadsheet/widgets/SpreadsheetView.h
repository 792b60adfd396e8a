#pragma once

#include <spreadsheet/CellRange.h>
#include <spreadsheet/FormulaConvention.h>

#include <spreadsheet/widgets/FormulaCompleter.h>

#include <QAbstractScrollArea>

#include <functional>
#include <memory>

class QTabBar;

namespace spreadsheet {
class Sheet;
class Workbook;
}  // namespace spreadsheet

namespace spreadsheet::render {
class CellFonts;
class GridGeometry;
}  // namespace spreadsheet::render

namespace spreadsheet::widgets {

class CellEditor;

// The grid of a workbook: headers, cells, selection, an in-cell editor and
// the sheet tabs. It is a view only; everything it changes goes through the
// workbook's own operations, so undo and recalculation work as for any edit.
class SpreadsheetView : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum class ContextZone { Cells, RowHeaders, ColumnHeaders, SheetTabs };
    Q_ENUM(ContextZone)

    explicit SpreadsheetView(QWidget* parent = nullptr);
    ~SpreadsheetView() override;

    // Not owned; null shows nothing.
    void setWorkbook(Workbook* workbook);
    Workbook* workbook() const { return workbook_; }

    // Follows the workbook's active sheet; -1 without a workbook.
    int activeSheetIndex() const;
    void setActiveSheet(int index);

    CellRange selection() const { return selection_; }
    CellAddress currentCell() const { return current_; }
    void setSelection(const CellRange& area, CellAddress current);

    // How formulas read and are typed in this view; the workbook keeps them
    // in its own form whatever the choice.
    FormulaConvention formulaConvention() const { return convention_; }
    void setFormulaConvention(FormulaConvention convention);
    // The function names the in-cell editor offers as a formula is typed.
    void setFunctionEntries(const std::vector<FormulaCompleter::Entry>& entries);
    // A cell's text as the user edits it: formulas in the view's convention.
    QString userText(int row, int column) const;
    // Writes what the user typed, recognising formulas, numbers and the
    // like. Throws SpreadsheetError, writing nothing, for a formula that
    // cannot be read in the view's convention.
    void writeUserText(int row, int column, const QString& text);

    bool isEditing() const { return editing_; }
    void startEditing(bool replaceWithText = false, const QString& text = {});
    // Writes the editor's text with formula recognition. A formula that
    // cannot be read keeps the editor open with its text; any other failure
    // of the workbook closes it as cancelled. Both are thrown on.
    void commitEdit();
    void cancelEdit();

    // The selection on the system clipboard, with formulas, styles and
    // merges for this program and as text for others. Cut cells move when
    // they are pasted. Failures of the workbook are thrown, for the caller
    // to report.
    void copyToClipboard();
    void cutToClipboard();
    void pasteFromClipboard();

    // After changes made to the workbook outside the view.
    void refresh();
    void renderViewport(QPainter& painter, const QRect& target);
    // Where a cell lies in the viewport at the current scroll position.
    QRect cellRect(int row, int column) const;

signals:
    void selectionChanged();
    void editingStarted();
    void editingFinished(bool committed);
    // The in-cell editor's text as the user types it.
    void editorTextChanged(const QString& text);
    // A right click: on cells (after the selection moved there unless it
    // already held the cell), on row or column headers, or on a sheet tab.
    void contextMenuRequested(ContextZone zone, QPoint globalPosition);
    void cellEdited(int row, int column);
    void activeSheetChanged(int index);
    // A workbook failure met while handling the keyboard or the mouse.
    void operationFailed(const QString& message);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    enum class Drag { None, Cells, Columns, Rows, Resize };

    Sheet* sheet() const;
    void loadSheet();
    void syncTabs();
    void updateScrollRanges();
    void ensureVisible(CellAddress cell);
    int firstLineShowing(int last, int room, bool rows);
    void moveCursor(CellAddress target, bool extend);
    void dragTo(QPoint point);
    void applySelection(const CellRange& area, CellAddress current, CellAddress extent);
    void placeEditor();
    void closeEditor();
    void commitAndMove(int rows, int columns);
    void finishResize(QPoint point);
    int resizedSize(QPoint point) const;
    CellRange usedPart(const CellRange& area) const;
    void guarded(const std::function<void()>& action);

    Workbook* workbook_ = nullptr;
    const Sheet* loadedSheet_ = nullptr;
    std::unique_ptr<render::GridGeometry> geometry_;
    std::unique_ptr<render::CellFonts> fonts_;
    QTabBar* tabs_;
    CellEditor* editor_;
    FormulaCompleter* completer_;
    CellRange selection_;
    CellAddress current_;
    CellAddress extent_;  // the corner of the selection opposite the current cell
    FormulaConvention convention_ = FormulaConvention::Brazilian;
    bool editing_ = false;
    CellAddress editCell_;
    Drag drag_ = Drag::None;
    Qt::Orientation resizeOrientation_ = Qt::Horizontal;
    int resizeIndex_ = 0;
    int resizeOrigin_ = 0;  // the mouse position at which the line would have no size
    int resizeGuide_ = -1;
};

}  // namespace spreadsheet::widgets
