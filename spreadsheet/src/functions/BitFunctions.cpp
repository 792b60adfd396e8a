#include "EngineeringFunctions.h"

#include "EngineeringArguments.h"

#include <cmath>
#include <cstdint>

namespace spreadsheet::functions {

namespace {

using engineering::num;

// Bitwise functions work on whole numbers from 0 to 2^48 - 1, the integers a
// double holds with room to spare.
constexpr double kBitLimit = 281474976710655.0;  // 2^48 - 1
constexpr double kMaxShift = 53.0;

bool isBitOperand(double x)
{
    return x >= 0.0 && x <= kBitLimit && x == std::trunc(x);
}

template <typename Op>
Value bitwise(const CallContext& context, Op op)
{
    ArgumentReader args(context);
    const double a = engineering::number(args, context, 0);
    const double b = engineering::number(args, context, 1);
    if (args.failed()) {
        return args.error();
    }
    if (!isBitOperand(a) || !isBitOperand(b)) {
        return num();
    }
    return Value(static_cast<double>(op(static_cast<std::uint64_t>(a), static_cast<std::uint64_t>(b))));
}

// A negative shift goes the other way; the amount is truncated.
Value shift(const CallContext& context, bool left)
{
    ArgumentReader args(context);
    const double x = engineering::number(args, context, 0);
    double amount = std::trunc(engineering::number(args, context, 1));
    if (args.failed()) {
        return args.error();
    }
    if (!isBitOperand(x) || std::fabs(amount) > kMaxShift) {
        return num();
    }
    if (!left) {
        amount = -amount;
    }
    const double shifted = amount >= 0.0 ? std::ldexp(x, static_cast<int>(amount))
                                         : std::floor(std::ldexp(x, static_cast<int>(amount)));
    return shifted <= kBitLimit ? Value(shifted) : num();
}

template <typename Test>
Value compareWithDefault(const CallContext& context, Test test)
{
    ArgumentReader args(context);
    const double a = engineering::number(args, context, 0);
    const double b = engineering::number(args, context, 1, 0.0);
    if (args.failed()) {
        return args.error();
    }
    return Value(test(a, b) ? 1 : 0);
}

}  // namespace

Value bitAnd(const CallContext& context)
{
    return bitwise(context, [](std::uint64_t a, std::uint64_t b) { return a & b; });
}

Value bitOr(const CallContext& context)
{
    return bitwise(context, [](std::uint64_t a, std::uint64_t b) { return a | b; });
}

Value bitXor(const CallContext& context)
{
    return bitwise(context, [](std::uint64_t a, std::uint64_t b) { return a ^ b; });
}

Value bitLeftShift(const CallContext& context)
{
    return shift(context, true);
}

Value bitRightShift(const CallContext& context)
{
    return shift(context, false);
}

Value delta(const CallContext& context)
{
    return compareWithDefault(context, [](double a, double b) { return a == b; });
}

Value greaterOrEqualStep(const CallContext& context)
{
    return compareWithDefault(context, [](double a, double b) { return a >= b; });
}

}  // namespace spreadsheet::functions
