#pragma once

#include "BiffText.h"

#include <spreadsheet/CellRange.h>

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <span>

namespace spreadsheet::io::xls {

class BiffLinkTable;

// Turns the postfix tokens of a stored formula into formula text in the
// engine's syntax, without the leading '='.
class BiffFormulaDecoder {
public:
    enum class Context : std::uint8_t {
        Cell,    // a cell's own formula: references hold absolute positions
        Shared,  // a formula shared by many cells: relative parts are offsets
        Name,    // a defined name: several areas may be joined
    };

    // `text` also says which layout the tokens have: Excel 5.0/95 stores
    // references, names and strings otherwise than Excel 97.
    explicit BiffFormulaDecoder(const BiffLinkTable& links, BiffText text = {}) : links_(links), text_(text) {}

    // nullopt when the tokens are damaged or use what the engine's syntax
    // cannot express (array constants, sheet ranges, other workbooks, the
    // union and intersection operators in cells, data tables); the caller
    // then keeps the cell's cached value instead of its formula.
    std::optional<QString> decode(std::span<const std::uint8_t> tokens, CellAddress origin, Context context) const;

private:
    const BiffLinkTable& links_;
    BiffText text_;
};

}  // namespace spreadsheet::io::xls
