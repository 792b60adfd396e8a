// The in-cell editor and the clipboard of SpreadsheetView.
#include <spreadsheet/widgets/SpreadsheetView.h>

#include "CellEditor.h"
#include <spreadsheet/render/CellFonts.h>
#include "CellNavigator.h"
#include <spreadsheet/render/GridGeometry.h>
#include "SystemClipboard.h"

#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <algorithm>

namespace spreadsheet::widgets {

using namespace spreadsheet::render;

void SpreadsheetView::setFunctionEntries(const std::vector<FormulaCompleter::Entry>& entries)
{
    completer_->setEntries(entries);
}

void SpreadsheetView::setFormulaConvention(FormulaConvention convention)
{
    convention_ = convention;
    viewport()->update();
}

QString SpreadsheetView::userText(int row, int column) const
{
    const Sheet* active = sheet();
    if (!active) {
        return {};
    }
    const QString text = active->text(row, column);
    return active->isFormula(row, column) ? formulaForUser(text, convention_) : text;
}

void SpreadsheetView::writeUserText(int row, int column, const QString& text)
{
    if (Sheet* active = sheet()) {
        active->setText(row, column, text.startsWith(u'=') ? formulaFromUser(text, convention_) : text);
    }
}

void SpreadsheetView::startEditing(bool replaceWithText, const QString& text)
{
    const Sheet* active = sheet();
    if (!active || editing_) {
        return;
    }
    ensureVisible(current_);
    editing_ = true;
    editCell_ = current_;
    editor_->setFont(fonts_->font(active->style(editCell_.row, editCell_.column).font));
    editor_->setText(replaceWithText ? text : userText(editCell_.row, editCell_.column));
    placeEditor();
    editor_->show();
    editor_->setFocus();
    emit editingStarted();
}

void SpreadsheetView::placeEditor()
{
    if (!editing_ || !geometry_) {
        return;
    }
    const CellRange* merge = sheet()->mergedAreaAt(editCell_.row, editCell_.column);
    const QRect cell = merge ? geometry_->rangeRect(*merge) : geometry_->cellRect(editCell_.row, editCell_.column);
    editor_->setGeometry(cell.adjusted(0, 0, -1, -1));
}

void SpreadsheetView::closeEditor()
{
    if (!editing_) {
        return;
    }
    editing_ = false;
    const bool hadFocus = editor_->hasFocus();
    editor_->hide();
    if (hadFocus) {
        setFocus();
    }
}

void SpreadsheetView::commitEdit()
{
    if (!editing_) {
        return;
    }
    const QString typed = editor_->text();
    // Read before the editor closes, so that a formula the user must mend
    // is still there to mend.
    const QString text = typed.startsWith(u'=') ? formulaFromUser(typed, convention_) : typed;
    const CellAddress cell = editCell_;
    closeEditor();
    try {
        sheet()->setText(cell.row, cell.column, text);
    } catch (...) {
        viewport()->update();
        emit editingFinished(false);
        throw;
    }
    viewport()->update();
    emit cellEdited(cell.row, cell.column);
    emit editingFinished(true);
}

void SpreadsheetView::cancelEdit()
{
    if (!editing_) {
        return;
    }
    closeEditor();
    emit editingFinished(false);
}

void SpreadsheetView::commitAndMove(int rows, int columns)
{
    commitEdit();
    if (const Sheet* active = sheet()) {
        moveCursor(CellNavigator(*active, 1).step(current_, rows, columns), false);
    }
}

// Whole rows and columns reach far past the data; the clipboard gets only
// the part that holds any.
CellRange SpreadsheetView::usedPart(const CellRange& area) const
{
    const Sheet* active = sheet();
    return {area.left, area.top, std::min(area.right, std::max(active->columnCount() - 1, area.left)),
            std::min(area.bottom, std::max(active->rowCount() - 1, area.top))};
}

void SpreadsheetView::copyToClipboard()
{
    if (const Sheet* active = sheet()) {
        SystemClipboard::copy(*active, usedPart(selection_));
    }
}

void SpreadsheetView::cutToClipboard()
{
    if (Sheet* active = sheet()) {
        SystemClipboard::cut(*active, usedPart(selection_));
    }
}

void SpreadsheetView::pasteFromClipboard()
{
    Sheet* active = sheet();
    if (!active) {
        return;
    }
    const CellRange pasted = SystemClipboard::paste(*active, current_.row, current_.column);
    if (!pasted.isValid()) {
        return;
    }
    updateScrollRanges();
    applySelection(pasted, current_, {pasted.bottom, pasted.right});
    viewport()->update();
}

}  // namespace spreadsheet::widgets
