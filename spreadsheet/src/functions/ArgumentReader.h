#pragma once

#include "CallContext.h"

#include <spreadsheet/Value.h>

#include <QString>

#include <optional>

namespace spreadsheet {

// Reads a function's arguments as single values and keeps the first error
// met, so that a function reads everything it needs and then checks once:
//
//     ArgumentReader args(ctx);
//     const double x = args.number(0);
//     if (args.failed()) { return args.error(); }
//
// An argument left out of the call gives the fallback; one written empty
// ("F(1;)") converts like an empty cell: 0, "" or FALSE.
class ArgumentReader {
public:
    explicit ArgumentReader(const CallContext& context) : context_(context) {}

    bool isGiven(int i) const { return i < context_.count(); }
    double number(int i, double fallback = 0.0);
    // Truncated toward zero and kept within the int range.
    int integer(int i, int fallback = 0);
    QString text(int i, const QString& fallback = {});
    bool boolean(int i, bool fallback = false);
    // The argument as it is; an error value is recorded.
    Value value(int i);

    bool failed() const { return error_.has_value(); }
    Value error() const { return Value::error(error_.value_or(ErrorCode::Value)); }
    void fail(ErrorCode code);

private:
    const CallContext& context_;
    std::optional<ErrorCode> error_;
};

}  // namespace spreadsheet
