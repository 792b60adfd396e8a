#include "XlsSheetStyles.h"

#include "XfStyleTable.h"

#include <spreadsheet/io/ImportSink.h>

#include <cstdint>
#include <unordered_map>

namespace spreadsheet::io::xls {

namespace {

std::uint64_t cellKey(int row, int column)
{
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(row)) << 32) | static_cast<std::uint32_t>(column);
}

struct StyledCell {
    int row;
    int column;
    CellStyle style;
};

// Cells with their styles, one entry per cell: a later record for the same
// cell replaces the earlier one.
class StyledCells {
public:
    StyledCell& at(int row, int column)
    {
        const auto [it, inserted] = index_.try_emplace(cellKey(row, column), cells_.size());
        if (inserted) {
            cells_.push_back({row, column, CellStyle{}});
        }
        return cells_[it->second];
    }
    const std::vector<StyledCell>& cells() const { return cells_; }

private:
    std::unordered_map<std::uint64_t, std::size_t> index_;
    std::vector<StyledCell> cells_;
};

}  // namespace

bool XlsSheetStyles::hasRightOrBottomBorders() const
{
    for (const Entry& e : cells_) {
        const XfStyleTable::Format& f = table_.format(e.xf);
        if (f.borderRight != BorderLine::None || f.borderBottom != BorderLine::None) {
            return true;
        }
    }
    return false;
}

void XlsSheetStyles::writeTo(ImportSink& sink, int sheet) const
{
    if (hasRightOrBottomBorders()) {
        writeWithBorderSpread(sink, sheet);
        return;
    }
    const CellStyle plain;
    for (const Entry& e : cells_) {
        const CellStyle& style = table_.format(e.xf).style;
        if (!(style == plain)) {
            sink.setStyle(sheet, e.row, e.column, style);
        }
    }
}

void XlsSheetStyles::writeWithBorderSpread(ImportSink& sink, int sheet) const
{
    StyledCells cells;
    for (const Entry& e : cells_) {
        cells.at(e.row, e.column).style = table_.format(e.xf).style;
    }
    // A cell's own left and top borders were all set above, so an empty one
    // here is free to take its neighbour's right or bottom border.
    for (const Entry& e : cells_) {
        const XfStyleTable::Format& f = table_.format(e.xf);
        if (f.borderRight != BorderLine::None) {
            CellStyle& right = cells.at(e.row, e.column + 1).style;
            if (right.borderLeft == BorderLine::None) {
                right.borderLeft = f.borderRight;
                right.borderLeftColor = f.borderRightColor;
            }
        }
        if (f.borderBottom != BorderLine::None) {
            CellStyle& below = cells.at(e.row + 1, e.column).style;
            if (below.borderTop == BorderLine::None) {
                below.borderTop = f.borderBottom;
                below.borderTopColor = f.borderBottomColor;
            }
        }
    }
    const CellStyle plain;
    for (const StyledCell& c : cells.cells()) {
        if (!(c.style == plain)) {
            sink.setStyle(sheet, c.row, c.column, c.style);
        }
    }
}

}  // namespace spreadsheet::io::xls
