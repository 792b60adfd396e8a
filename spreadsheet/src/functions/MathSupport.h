#pragma once

#include "../DecimalDigits.h"

#include <spreadsheet/Value.h>

#include <cmath>

namespace spreadsheet::functions::math {

inline Value numberOrNum(double x)
{
    return std::isfinite(x) ? Value(x) : Value::error(ErrorCode::Num);
}

// The value kept to the 15 significant digits a user sees, so that a
// quotient such as 0.3/0.1 (2.9999999999999996) counts as the 3 it shows.
inline double shown(double x)
{
    return std::isfinite(x) ? DecimalDigits(x).toDouble() : x;
}

// Doubles hold every integer exactly up to here; integer functions refuse more.
constexpr double kLargestExactInteger = 9007199254740992.0;  // 2^53

}  // namespace spreadsheet::functions::math
