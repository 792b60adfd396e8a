#pragma once

#include <spreadsheet/CellStyle.h>

#include <QHash>

#include <cstdint>
#include <vector>

namespace spreadsheet {

// Distinct styles of a workbook, each stored once; cells keep an index.
// Index 0 is the default style.
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

}  // namespace spreadsheet
