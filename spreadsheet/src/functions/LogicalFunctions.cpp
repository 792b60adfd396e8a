#include "LogicalFunctions.h"

#include "../Coercion.h"
#include "ArgumentReader.h"

#include <optional>

namespace spreadsheet::functions {

namespace {

// AND and OR: referenced cells count when they hold numbers or booleans,
// written arguments must convert to a boolean; nothing to test is #VALUE!.
template <typename Combine>
Value combineBooleans(const CallContext& context, bool start, Combine combine)
{
    bool result = start;
    bool any = false;
    std::optional<ErrorCode> error;
    const auto take = [&](bool b) {
        result = combine(result, b);
        any = true;
    };
    for (int i = 0; i < context.count() && !error; ++i) {
        if (context.isReference(i)) {
            context.forEachCell(i, [&](int, int, const Value& v) {
                if (v.isError() && !error) {
                    error = v.error();
                } else if (v.isNumber() || v.isBoolean()) {
                    take(v.boolean());
                }
            });
            continue;
        }
        if (context.isMissing(i)) {
            continue;
        }
        bool b = false;
        ErrorCode code = ErrorCode::Value;
        if (!coerce::toBoolean(context.scalar(i), b, code)) {
            error = code;
        } else {
            take(b);
        }
    }
    if (error) {
        return Value::error(*error);
    }
    return any ? Value::boolean(result) : Value::error(ErrorCode::Value);
}

}  // namespace

// An omitted result is FALSE; one written empty ("IF(x;1;)") is 0.
Value ifThenElse(const CallContext& context)
{
    ArgumentReader args(context);
    const bool condition = args.boolean(0);
    if (args.failed()) {
        return args.error();
    }
    const int chosen = condition ? 1 : 2;
    if (chosen >= context.count()) {
        return Value::boolean(false);
    }
    return context.isMissing(chosen) ? Value(0.0) : context.scalar(chosen);
}

Value allTrue(const CallContext& context)
{
    return combineBooleans(context, true, [](bool a, bool b) { return a && b; });
}

Value anyTrue(const CallContext& context)
{
    return combineBooleans(context, false, [](bool a, bool b) { return a || b; });
}

Value negation(const CallContext& context)
{
    ArgumentReader args(context);
    const bool b = args.boolean(0);
    return args.failed() ? args.error() : Value::boolean(!b);
}

Value ifError(const CallContext& context)
{
    const Value v = context.scalar(0);
    if (!v.isError()) {
        return v;
    }
    return context.isMissing(1) ? Value(0.0) : context.scalar(1);
}

Value trueValue(const CallContext&)
{
    return Value::boolean(true);
}

Value falseValue(const CallContext&)
{
    return Value::boolean(false);
}

}  // namespace spreadsheet::functions
