#pragma once

#include <algorithm>

namespace spreadsheet {

// Zero-based; the largest sheet has kMaxRows rows and kMaxColumns columns.
constexpr int kMaxRows = 1048576;
constexpr int kMaxColumns = 16384;

struct CellAddress {
    int row = 0;
    int column = 0;
    bool operator==(const CellAddress&) const = default;
    bool isValid() const { return row >= 0 && row < kMaxRows && column >= 0 && column < kMaxColumns; }
};

// A rectangle given by its edges, inclusive; the field order follows the
// selection area of the editor: left column, top row, right column, bottom row.
struct CellRange {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static CellRange cell(int row, int column) { return {column, row, column, row}; }
    static CellRange normalized(int row1, int col1, int row2, int col2)
    {
        return {std::min(col1, col2), std::min(row1, row2), std::max(col1, col2), std::max(row1, row2)};
    }
    bool operator==(const CellRange&) const = default;
    int rowCount() const { return bottom - top + 1; }
    int columnCount() const { return right - left + 1; }
    bool isSingleCell() const { return left == right && top == bottom; }
    bool contains(int row, int column) const
    {
        return row >= top && row <= bottom && column >= left && column <= right;
    }
    bool intersects(const CellRange& o) const
    {
        return left <= o.right && o.left <= right && top <= o.bottom && o.top <= bottom;
    }
    bool isValid() const
    {
        return left >= 0 && top >= 0 && left <= right && top <= bottom && right < kMaxColumns && bottom < kMaxRows;
    }
};

}  // namespace spreadsheet
