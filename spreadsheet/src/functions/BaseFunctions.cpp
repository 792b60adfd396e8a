#include "EngineeringFunctions.h"

#include "../Coercion.h"
#include "EngineeringArguments.h"

#include <cmath>
#include <optional>

namespace spreadsheet::functions {

namespace {

using engineering::num;

// Numbers in base 2, 8 and 16 are written in at most ten digits; a ten-digit
// number whose first digit has its top bit set is negative, in two's
// complement over the ten digits (10, 30 and 40 bits).
constexpr int kDigits = 10;

struct Base {
    int radix;
    int bitsPerDigit;

    long long span() const { return 1LL << (kDigits * bitsPerDigit); }
    long long lowest() const { return -span() / 2; }
    long long highest() const { return span() / 2 - 1; }
};

constexpr Base kBinary{2, 1};
constexpr Base kOctal{8, 3};
constexpr Base kHexadecimal{16, 4};

int digitValue(QChar c)
{
    if (c >= u'0' && c <= u'9') {
        return c.unicode() - u'0';
    }
    const QChar lower = c.toLower();
    return lower >= u'a' && lower <= u'z' ? lower.unicode() - u'a' + 10 : -1;
}

// The signed value of the digits in argument 0. A number argument is read
// through its text, so BIN2DEC(1100100) reads the digits 1100100.
std::optional<long long> readDigits(const CallContext& context, Base base, Value& error)
{
    ArgumentReader args(context);
    const Value v = args.value(0);
    if (args.failed() || v.isBoolean()) {
        error = args.failed() ? args.error() : Value::error(ErrorCode::Value);
        return std::nullopt;
    }
    const QString digits = coerce::toText(v);
    error = num();
    if (digits.size() > kDigits) {
        return std::nullopt;
    }
    long long value = 0;
    for (const QChar c : digits) {
        const int d = digitValue(c);
        if (d < 0 || d >= base.radix) {
            return std::nullopt;
        }
        value = value * base.radix + d;
    }
    return value > base.highest() ? value - base.span() : value;
}

QString digitsOf(long long value, int radix)
{
    return QString::number(value, radix).toUpper();
}

// The value written in the target base. Places, when given, must lie from 1
// to 10; it pads a positive value with zeros and must leave room for all its
// digits. A negative value always takes the ten digits.
Value writeDigits(const CallContext& context, long long value, Base base)
{
    ArgumentReader args(context);
    const bool hasPlaces = args.isGiven(1);
    const double places = std::trunc(engineering::number(args, context, 1));
    if (args.failed()) {
        return args.error();
    }
    if (value < base.lowest() || value > base.highest() || (hasPlaces && (places < 1.0 || places > kDigits))) {
        return num();
    }
    if (value < 0) {
        return Value(digitsOf(value + base.span(), base.radix));
    }
    const QString digits = digitsOf(value, base.radix);
    if (!hasPlaces) {
        return Value(digits);
    }
    return digits.size() > places ? num() : Value(digits.rightJustified(static_cast<int>(places), u'0'));
}

Value toDecimal(const CallContext& context, Base from)
{
    Value error;
    const auto value = readDigits(context, from, error);
    return value ? Value(static_cast<double>(*value)) : error;
}

Value between(const CallContext& context, Base from, Base to)
{
    Value error;
    const auto value = readDigits(context, from, error);
    return value ? writeDigits(context, *value, to) : error;
}

// Decimal input is truncated toward zero before its range is checked.
Value fromDecimal(const CallContext& context, Base to)
{
    ArgumentReader args(context);
    const double x = std::trunc(engineering::number(args, context, 0));
    if (args.failed()) {
        return args.error();
    }
    if (x < static_cast<double>(to.lowest()) || x > static_cast<double>(to.highest())) {
        return num();
    }
    return writeDigits(context, static_cast<long long>(x), to);
}

}  // namespace

Value bin2Dec(const CallContext& context)
{
    return toDecimal(context, kBinary);
}

Value bin2Hex(const CallContext& context)
{
    return between(context, kBinary, kHexadecimal);
}

Value bin2Oct(const CallContext& context)
{
    return between(context, kBinary, kOctal);
}

Value dec2Bin(const CallContext& context)
{
    return fromDecimal(context, kBinary);
}

Value dec2Hex(const CallContext& context)
{
    return fromDecimal(context, kHexadecimal);
}

Value dec2Oct(const CallContext& context)
{
    return fromDecimal(context, kOctal);
}

Value hex2Bin(const CallContext& context)
{
    return between(context, kHexadecimal, kBinary);
}

Value hex2Dec(const CallContext& context)
{
    return toDecimal(context, kHexadecimal);
}

Value hex2Oct(const CallContext& context)
{
    return between(context, kHexadecimal, kOctal);
}

Value oct2Bin(const CallContext& context)
{
    return between(context, kOctal, kBinary);
}

Value oct2Dec(const CallContext& context)
{
    return toDecimal(context, kOctal);
}

Value oct2Hex(const CallContext& context)
{
    return between(context, kOctal, kHexadecimal);
}

}  // namespace spreadsheet::functions
