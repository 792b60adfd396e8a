// Keyboard and mouse handling of SpreadsheetView.
#include <spreadsheet/widgets/SpreadsheetView.h>

#include "CellEditor.h"
#include "CellNavigator.h"
#include <spreadsheet/render/GridGeometry.h>

#include <spreadsheet/Sheet.h>

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <optional>
#include <utility>

namespace spreadsheet::widgets {

using namespace spreadsheet::render;

namespace {

constexpr int kMinimumDragSize = 0;

// Enter and Tab move like the arrows but never extend the selection: the
// rows and columns each key steps by.
std::optional<std::pair<int, int>> enterOrTabStep(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return std::pair{1, 0};
    case Qt::Key_Tab:
        return std::pair{0, 1};
    case Qt::Key_Backtab:
        return std::pair{0, -1};
    default:
        return std::nullopt;
    }
}

CellRange wholeColumns(int first, int last)
{
    return {std::min(first, last), 0, std::max(first, last), kMaxRows - 1};
}

CellRange wholeRows(int first, int last)
{
    return {0, std::min(first, last), kMaxColumns - 1, std::max(first, last)};
}

}  // namespace

bool SpreadsheetView::focusNextPrevChild(bool)
{
    // Tab moves the cursor inside the grid, never the focus out of it.
    return false;
}

void SpreadsheetView::keyPressEvent(QKeyEvent* event)
{
    const Sheet* active = sheet();
    if (!active) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    const int pageRows = std::max(geometry_->lastRowWithin(viewport()->height()) - geometry_->topRow(), 1);
    const CellNavigator navigator(*active, pageRows);
    const CellAddress from = event->modifiers().testFlag(Qt::ShiftModifier) ? extent_ : current_;
    if (const auto step = enterOrTabStep(key)) {
        moveCursor(navigator.step(current_, step->first, step->second), false);
    } else if (const auto target = navigator.target(key, event->modifiers(), from)) {
        moveCursor(*target, event->modifiers().testFlag(Qt::ShiftModifier));
    } else if (key == Qt::Key_F2) {
        startEditing(false);
    } else if (key == Qt::Key_Delete) {
        guarded([&] { sheet()->clearValues(usedPart(selection_)); });
        viewport()->update();
    } else if (!event->text().isEmpty() && event->text().front().isPrint() &&
               !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        startEditing(true, event->text());
    } else {
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void SpreadsheetView::moveCursor(CellAddress target, bool extend)
{
    if (extend) {
        applySelection(CellRange::normalized(current_.row, current_.column, target.row, target.column), current_,
                       target);
    } else {
        applySelection(CellRange::cell(target.row, target.column), target, target);
    }
    updateScrollRanges();
    ensureVisible(target);
}

void SpreadsheetView::mousePressEvent(QMouseEvent* event)
{
    if (!geometry_ || event->button() != Qt::LeftButton) {
        return;
    }
    guarded([&] { commitEdit(); });
    setFocus();
    const QPoint point = event->position().toPoint();
    if (const auto handle = geometry_->resizeHandleAt(point)) {
        drag_ = Drag::Resize;
        resizeOrientation_ = handle->orientation;
        resizeIndex_ = handle->index;
        resizeOrigin_ = handle->orientation == Qt::Horizontal
                            ? point.x() - geometry_->columnWidth(handle->index)
                            : point.y() - geometry_->rowHeight(handle->index);
        return;
    }
    const GridHit hit = geometry_->hitTest(point);
    const bool extend = event->modifiers().testFlag(Qt::ShiftModifier);
    switch (hit.part) {
    case GridHit::Part::Corner:
        drag_ = Drag::None;
        applySelection(wholeRows(0, kMaxRows - 1), {0, 0}, {kMaxRows - 1, kMaxColumns - 1});
        return;
    case GridHit::Part::ColumnHeader:
        drag_ = Drag::Columns;
        break;
    case GridHit::Part::RowHeader:
        drag_ = Drag::Rows;
        break;
    case GridHit::Part::Cell:
        drag_ = Drag::Cells;
        break;
    }
    if (!extend) {
        const CellAddress anchor{drag_ == Drag::Columns ? 0 : hit.row, drag_ == Drag::Rows ? 0 : hit.column};
        applySelection(CellRange::cell(anchor.row, anchor.column), anchor, anchor);
    }
    dragTo(point);
}

void SpreadsheetView::dragTo(QPoint point)
{
    const GridHit hit = geometry_->hitTest(point);
    switch (drag_) {
    case Drag::Cells:
        applySelection(CellRange::normalized(current_.row, current_.column, hit.row, hit.column), current_,
                       {hit.row, hit.column});
        break;
    case Drag::Columns:
        applySelection(wholeColumns(current_.column, hit.column), current_, {kMaxRows - 1, hit.column});
        break;
    case Drag::Rows:
        applySelection(wholeRows(current_.row, hit.row), current_, {hit.row, kMaxColumns - 1});
        break;
    default:
        break;
    }
}

void SpreadsheetView::mouseMoveEvent(QMouseEvent* event)
{
    if (!geometry_) {
        return;
    }
    const QPoint point = event->position().toPoint();
    if (drag_ == Drag::Resize) {
        resizeGuide_ = resizeOrigin_ + resizedSize(point);
        viewport()->update();
    } else if (drag_ != Drag::None) {
        dragTo(point);
    } else {
        const auto handle = geometry_->resizeHandleAt(point);
        const bool column = handle && handle->orientation == Qt::Horizontal;
        viewport()->setCursor(!handle ? Qt::ArrowCursor : column ? Qt::SplitHCursor : Qt::SplitVCursor);
    }
}

void SpreadsheetView::mouseReleaseEvent(QMouseEvent* event)
{
    if (drag_ == Drag::Resize) {
        guarded([&] { finishResize(event->position().toPoint()); });
    }
    drag_ = Drag::None;
    resizeGuide_ = -1;
    viewport()->update();
}

void SpreadsheetView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!geometry_ || event->button() != Qt::LeftButton) {
        return;
    }
    const GridHit hit = geometry_->hitTest(event->position().toPoint());
    if (hit.part == GridHit::Part::Cell && !geometry_->resizeHandleAt(event->position().toPoint())) {
        applySelection(CellRange::cell(hit.row, hit.column), {hit.row, hit.column}, {hit.row, hit.column});
        startEditing(false);
    }
}

int SpreadsheetView::resizedSize(QPoint point) const
{
    const int position = resizeOrientation_ == Qt::Horizontal ? point.x() : point.y();
    return std::max(position - resizeOrigin_, kMinimumDragSize);
}

void SpreadsheetView::finishResize(QPoint point)
{
    Sheet* active = sheet();
    const int size = resizedSize(point);
    if (resizeOrientation_ == Qt::Horizontal) {
        active->setColumnWidth(resizeIndex_, size);
        geometry_->invalidateColumnsFrom(resizeIndex_);
    } else {
        active->setRowHeight(resizeIndex_, size);
        geometry_->invalidateRowsFrom(resizeIndex_);
    }
    updateScrollRanges();
    placeEditor();
}

// A right click acts on the selection when it falls inside it, as users
// expect; elsewhere it first selects what was clicked.
void SpreadsheetView::contextMenuEvent(QContextMenuEvent* event)
{
    if (!geometry_) {
        return;
    }
    guarded([&] { commitEdit(); });
    const GridHit hit = geometry_->hitTest(event->pos());
    ContextZone zone = ContextZone::Cells;
    if (hit.part == GridHit::Part::ColumnHeader) {
        zone = ContextZone::ColumnHeaders;
        if (!selection_.contains(0, hit.column) || selection_.bottom < kMaxRows - 1) {
            applySelection(wholeColumns(hit.column, hit.column), {0, hit.column}, {kMaxRows - 1, hit.column});
        }
    } else if (hit.part == GridHit::Part::RowHeader) {
        zone = ContextZone::RowHeaders;
        if (!selection_.contains(hit.row, 0) || selection_.right < kMaxColumns - 1) {
            applySelection(wholeRows(hit.row, hit.row), {hit.row, 0}, {hit.row, kMaxColumns - 1});
        }
    } else if (hit.part == GridHit::Part::Cell && !selection_.contains(hit.row, hit.column)) {
        const CellAddress cell{hit.row, hit.column};
        applySelection(CellRange::cell(cell.row, cell.column), cell, cell);
    }
    emit contextMenuRequested(zone, event->globalPos());
}

}  // namespace spreadsheet::widgets
