#pragma once

#include <spreadsheet/Value.h>

#include <cmath>

// Small helpers shared by the distribution functions.
namespace spreadsheet::functions::distribution {

inline Value result(double x)
{
    return std::isfinite(x) ? Value(x) : Value::error(ErrorCode::Num);
}

inline Value num()
{
    return Value::error(ErrorCode::Num);
}

// A probability argument that must lie in [0, 1], or in (0, 1) when open.
inline bool inUnit(double p, bool open)
{
    return open ? p > 0.0 && p < 1.0 : p >= 0.0 && p <= 1.0;
}

// Degrees of freedom are truncated; the chi-square and F families accept them
// from 1 up to 10^10.
inline bool validFreedom(double df)
{
    return df >= 1.0 && df < 1e10;
}

}  // namespace spreadsheet::functions::distribution
