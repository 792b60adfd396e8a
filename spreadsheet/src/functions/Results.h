#pragma once

#include <spreadsheet/CellRange.h>
#include <spreadsheet/Value.h>

#include <cmath>
#include <utility>

namespace spreadsheet::functions {

// A number a function gives, or #NUM! where it overflowed or is undefined.
inline Value numberOrNum(double x)
{
    return std::isfinite(x) ? Value(x) : Value::error(ErrorCode::Num);
}

// An array of one element is that element.
inline Value arrayOrSingle(ValueArray a)
{
    return a.size() == 1 ? a.at(0, 0) : Value::array(std::move(a));
}

// The elements of a block within a range of its positions, counted from 0.
inline ValueArray blockOf(const ValueArray& a, const CellRange& part)
{
    ValueArray out(part.rowCount(), part.columnCount());
    for (int r = 0; r < out.rows(); ++r) {
        for (int c = 0; c < out.columns(); ++c) {
            out.at(r, c) = a.at(part.top + r, part.left + c);
        }
    }
    return out;
}

}  // namespace spreadsheet::functions
