#include <spreadsheet/render/GridGeometry.h>

#include <spreadsheet/Sheet.h>

#include <algorithm>
#include <cstdlib>

namespace spreadsheet::render {

namespace {

constexpr int kRowHeaderWidth = 48;
constexpr int kColumnHeaderHeight = 20;
constexpr int kHandleReach = 3;  // pixels either side of a header edge that grab it

LineLayout::SizeOf rowSizes(const Sheet& sheet)
{
    return [&sheet](int row) { return sheet.isRowHidden(row) ? 0 : sheet.rowHeight(row); };
}

LineLayout::SizeOf columnSizes(const Sheet& sheet)
{
    return [&sheet](int column) { return sheet.isColumnHidden(column) ? 0 : sheet.columnWidth(column); };
}

}  // namespace

GridGeometry::GridGeometry(const Sheet& sheet)
    : sheet_(sheet), rows_(kMaxRows, rowSizes(sheet)), columns_(kMaxColumns, columnSizes(sheet))
{
}

void GridGeometry::invalidateSizes()
{
    rows_ = LineLayout(kMaxRows, rowSizes(sheet_));
    columns_ = LineLayout(kMaxColumns, columnSizes(sheet_));
}

int GridGeometry::headerWidth() const
{
    return headers_ ? kRowHeaderWidth : 0;
}

int GridGeometry::headerHeight() const
{
    return headers_ ? kColumnHeaderHeight : 0;
}

void GridGeometry::setOrigin(int topRow, int leftColumn)
{
    topRow_ = std::clamp(topRow, 0, kMaxRows - 1);
    leftColumn_ = std::clamp(leftColumn, 0, kMaxColumns - 1);
}

int GridGeometry::rowY(int row)
{
    return headerHeight() + rows_.start(row) - rows_.start(topRow_);
}

int GridGeometry::columnX(int column)
{
    return headerWidth() + columns_.start(column) - columns_.start(leftColumn_);
}

QRect GridGeometry::cellRect(int row, int column)
{
    return {columnX(column), rowY(row), columns_.size(column), rows_.size(row)};
}

QRect GridGeometry::rangeRect(const CellRange& range)
{
    const int x = columnX(range.left);
    const int y = rowY(range.top);
    return {x, y, columns_.end(range.right) - columns_.start(range.left),
            rows_.end(range.bottom) - rows_.start(range.top)};
}

int GridGeometry::rowAtY(int y)
{
    return rows_.lineAt(rows_.start(topRow_) + y - headerHeight());
}

int GridGeometry::columnAtX(int x)
{
    return columns_.lineAt(columns_.start(leftColumn_) + x - headerWidth());
}

int GridGeometry::lastRowWithin(int height)
{
    return rowAtY(std::max(height - 1, headerHeight()));
}

int GridGeometry::lastColumnWithin(int width)
{
    return columnAtX(std::max(width - 1, headerWidth()));
}

GridHit GridGeometry::hitTest(QPoint point)
{
    const bool inColumnHeader = point.y() < headerHeight();
    const bool inRowHeader = point.x() < headerWidth();
    GridHit hit;
    hit.row = rowAtY(std::max(point.y(), headerHeight()));
    hit.column = columnAtX(std::max(point.x(), headerWidth()));
    if (inColumnHeader && inRowHeader) {
        hit.part = GridHit::Part::Corner;
    } else if (inColumnHeader) {
        hit.part = GridHit::Part::ColumnHeader;
    } else if (inRowHeader) {
        hit.part = GridHit::Part::RowHeader;
    }
    return hit;
}

std::optional<ResizeHandle> GridGeometry::resizeHandleAt(QPoint point)
{
    const GridHit hit = hitTest(point);
    if (hit.part == GridHit::Part::ColumnHeader) {
        // Near a left edge the column before is the one being grabbed.
        const int nearest = point.x() - columnX(hit.column) < kHandleReach ? hit.column - 1 : hit.column;
        if (nearest >= leftColumn_ && std::abs(columnX(nearest) + columns_.size(nearest) - point.x()) <= kHandleReach) {
            return ResizeHandle{Qt::Horizontal, nearest};
        }
    }
    if (hit.part == GridHit::Part::RowHeader) {
        const int nearest = point.y() - rowY(hit.row) < kHandleReach ? hit.row - 1 : hit.row;
        if (nearest >= topRow_ && std::abs(rowY(nearest) + rows_.size(nearest) - point.y()) <= kHandleReach) {
            return ResizeHandle{Qt::Vertical, nearest};
        }
    }
    return std::nullopt;
}

}  // namespace spreadsheet::render
