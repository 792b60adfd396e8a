#include "LogicalFunctions.h"

#include "../Coercion.h"
#include "ArgumentReader.h"

#include <optional>

namespace spreadsheet::functions {

namespace {

// AND, OR and XOR: referenced cells and array elements count when they hold
// numbers or booleans, written arguments must convert to a boolean, except
// an empty text, which is skipped; nothing to test is #VALUE!.
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
        if (context.isReference(i) || context.isArray(i)) {
            context.forEachCell(i, [&](int, int, const Value& v) {
                if (v.isError() && !error) {
                    error = v.error();
                } else if (v.isNumber() || v.isBoolean()) {
                    take(v.boolean());
                }
            });
            continue;
        }
        const Value v = context.scalar(i);
        if (context.isMissing(i) || (v.isText() && v.text().isEmpty())) {
            continue;
        }
        bool b = false;
        ErrorCode code = ErrorCode::Value;
        if (!coerce::toBoolean(v, b, code)) {
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

// IFS(test1; value1; ...): the value of the first true test; none is #N/A.
Value firstTrue(const CallContext& context)
{
    if (context.count() % 2 != 0) {
        return Value::error(ErrorCode::NA);
    }
    ArgumentReader args(context);
    for (int i = 0; i < context.count(); i += 2) {
        const bool condition = args.boolean(i);
        if (args.failed()) {
            return args.error();
        }
        if (condition) {
            return context.isMissing(i + 1) ? Value(0.0) : context.scalar(i + 1);
        }
    }
    return Value::error(ErrorCode::NA);
}

// SWITCH(expression; value1; result1; ...; [default]): values match as '='
// compares them, but only within one type ("1" is not 1).
Value switchValue(const CallContext& context)
{
    const Value subject = context.scalar(0);
    if (subject.isError()) {
        return subject;
    }
    int i = 1;
    for (; i + 1 < context.count(); i += 2) {
        const Value candidate = context.scalar(i);
        if (candidate.isError()) {
            return candidate;
        }
        const bool sameType = candidate.type() == subject.type() || (candidate.isEmpty() && subject.isNumber()) ||
                              (subject.isEmpty() && candidate.isNumber());
        if (sameType && coerce::compare(subject, candidate) == 0) {
            return context.scalar(i + 1);
        }
    }
    return i < context.count() ? context.scalar(i) : Value::error(ErrorCode::NA);
}

Value exclusiveOr(const CallContext& context)
{
    return combineBooleans(context, false, [](bool a, bool b) { return a != b; });
}

Value ifNA(const CallContext& context)
{
    const Value v = context.scalar(0);
    if (!v.isError() || v.error() != ErrorCode::NA) {
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
