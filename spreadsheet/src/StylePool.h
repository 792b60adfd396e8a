#pragma once

#include <spreadsheet/CellStyle.h>

#include <QHash>

#include <cstdint>
#include <vector>

namespace spreadsheet {

class Sheet;

// Distinct styles of a workbook, each stored once; cells keep an index.
// Index 0 is not a style of the pool: it stands for the default style of the
// cell's own sheet, which sheets choose each for itself. So intern() never
// gives 0, not even for CellStyle{}: a cell given Tahoma 8 on purpose keeps it
// on a sheet whose default is another font. Slot 0 holds CellStyle{} only so
// that a file's style table keeps the layout it always had.
class StylePool {
public:
    StylePool();
    std::uint32_t intern(const CellStyle& style);
    const CellStyle& get(std::uint32_t id) const { return styles_[id]; }
    std::size_t size() const { return styles_.size(); }

private:
    std::vector<CellStyle> styles_;
    QHash<CellStyle, std::uint32_t> ids_;
};

// A cell's style id as its own sheet reads it.
const CellStyle& styleOf(const Sheet& sheet, std::uint32_t id);
// The id a cell of the sheet keeps for a style: 0 for the sheet's default,
// so that such a cell has no style of its own.
std::uint32_t styleIdOn(const Sheet& sheet, const CellStyle& style);

}  // namespace spreadsheet
