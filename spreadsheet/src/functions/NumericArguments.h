#pragma once

#include "../Coercion.h"
#include "CallContext.h"

#include <optional>

namespace spreadsheet {

// The arguments of SUM-like functions as numbers. Referenced cells count
// only when they hold numbers; a value written in the call is converted, so
// SUM(A1) ignores a text "3" in A1 while SUM("3") counts it. Errors stop the
// walk; omitted arguments are skipped.
class NumericArguments {
public:
    // Calls add(double) for each number; returns the first error met.
    template <typename Add>
    static std::optional<ErrorCode> forEach(const CallContext& context, Add&& add);
};

template <typename Add>
std::optional<ErrorCode> NumericArguments::forEach(const CallContext& context, Add&& add)
{
    std::optional<ErrorCode> error;
    for (int i = 0; i < context.count() && !error; ++i) {
        if (context.isReference(i) || context.isArray(i)) {
            error = context.forEachNumber(i, add);
            continue;
        }
        const Value v = context.scalar(i);
        double number = 0.0;
        ErrorCode code = ErrorCode::Value;
        if (context.isMissing(i) || v.isEmpty()) {
            continue;
        }
        if (!coerce::toNumber(v, number, code)) {
            error = code;
        } else {
            add(number);
        }
    }
    return error;
}

}  // namespace spreadsheet
