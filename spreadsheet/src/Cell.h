#pragma once

#include <spreadsheet/Value.h>

#include <QString>

#include <cstdint>

namespace spreadsheet {

class Formula;

enum class CellKind : std::uint8_t { Empty, Number, Text, Boolean, Error, Formula };

// One stored cell, 16 bytes. The cell store owns the text or formula that the
// payload points to and frees it through clearContent().
struct Cell {
    CellKind kind = CellKind::Empty;
    std::uint8_t small = 0;  // boolean value or ErrorCode
    std::uint32_t style = 0;
    union {
        double number = 0.0;
        QString* text;
        Formula* formula;
    };

    bool exists() const { return kind != CellKind::Empty || style != 0; }
    void clearContent();
    // Takes a constant; a formula is set through setFormula.
    void setValue(const Value& value);
    void setFormula(Formula* owned);
    Formula* releaseFormula();
    // The value a reader sees: a formula's cached result.
    Value value() const;
};

static_assert(sizeof(Cell) == 16);

}  // namespace spreadsheet
