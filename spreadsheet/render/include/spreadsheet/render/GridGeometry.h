#pragma once

#include <spreadsheet/render/LineLayout.h>

#include <spreadsheet/CellRange.h>

#include <QPoint>
#include <QRect>

#include <optional>

namespace spreadsheet {
class Sheet;
}

namespace spreadsheet::render {

// What lies under a point of the viewport.
struct GridHit {
    enum class Part { Corner, ColumnHeader, RowHeader, Cell };
    Part part = Part::Cell;
    int row = 0;
    int column = 0;
};

// A header edge under the mouse: dragging it resizes that row or column.
struct ResizeHandle {
    Qt::Orientation orientation = Qt::Horizontal;  // Horizontal: a column
    int index = 0;
};

// Where the rows and columns of a sheet land in the viewport, given the
// first row and column scrolled to and whether the headers take room.
class GridGeometry {
public:
    explicit GridGeometry(const Sheet& sheet);

    void invalidateSizes();
    void invalidateRowsFrom(int row) { rows_.invalidateFrom(row); }
    void invalidateColumnsFrom(int column) { columns_.invalidateFrom(column); }

    void setHeadersVisible(bool visible) { headers_ = visible; }
    bool headersVisible() const { return headers_; }
    int headerWidth() const;
    int headerHeight() const;
    void setOrigin(int topRow, int leftColumn);
    int topRow() const { return topRow_; }
    int leftColumn() const { return leftColumn_; }

    int rowY(int row);
    int columnX(int column);
    int rowHeight(int row) { return rows_.size(row); }
    int columnWidth(int column) { return columns_.size(column); }
    QRect cellRect(int row, int column);
    QRect rangeRect(const CellRange& range);
    // The last row (column) with any part inside a viewport of that size.
    int lastRowWithin(int height);
    int lastColumnWithin(int width);
    int rowAtY(int y);
    int columnAtX(int x);

    GridHit hitTest(QPoint point);
    std::optional<ResizeHandle> resizeHandleAt(QPoint point);

private:
    const Sheet& sheet_;
    LineLayout rows_;
    LineLayout columns_;
    bool headers_ = true;
    int topRow_ = 0;
    int leftColumn_ = 0;
};

}  // namespace spreadsheet::render
