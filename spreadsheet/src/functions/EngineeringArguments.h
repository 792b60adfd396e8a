#pragma once

#include "ArgumentReader.h"
#include "CallContext.h"

#include <spreadsheet/Value.h>

#include <cmath>

// Argument rules shared by the engineering functions.
namespace spreadsheet::functions::engineering {

inline Value num()
{
    return Value::error(ErrorCode::Num);
}

inline Value result(double x)
{
    return std::isfinite(x) ? Value(x) : num();
}

// The engineering functions take numbers and numeric text, but a logical
// value is no number to them: TRUE gives #VALUE! instead of 1.
inline double number(ArgumentReader& args, const CallContext& context, int i, double fallback = 0.0)
{
    if (args.isGiven(i) && context.scalar(i).isBoolean()) {
        args.fail(ErrorCode::Value);
        return 0.0;
    }
    return args.number(i, fallback);
}

}  // namespace spreadsheet::functions::engineering
