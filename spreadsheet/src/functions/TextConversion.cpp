// Numbers and values written as text in the ways a sheet asks for: fixed
// decimals, the locale's currency, another locale's separators, a value's
// own literal.
#include "TextFunctions.h"

#include "../Coercion.h"
#include "../DecimalDigits.h"
#include "../NumberFormat.h"
#include "ArgumentReader.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace spreadsheet::functions {

namespace {

double roundedTo(double number, int decimals)
{
    DecimalDigits digits(number);
    digits.round(decimals, DecimalDigits::Rounding::HalfAwayFromZero);
    return digits.toDouble();
}

// FIXED and DOLLAR: the number of decimals, at most 127 either way.
bool readDecimals(ArgumentReader& args, int index, int& decimals)
{
    decimals = args.integer(index, 2);
    return !args.failed() && decimals <= 127 && decimals >= -127;
}

QString quoted(const QString& text)
{
    QString inner = text;
    return QLatin1Char('"') + inner.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

// VALUETOTEXT and ARRAYTOTEXT: strict form quotes texts so that the result
// reads back as the same value in a formula.
QString literalOf(const Value& v, bool strict)
{
    return strict && v.isText() ? quoted(v.text()) : coerce::toText(v);
}

bool readStrictness(ArgumentReader& args, int index, bool& strict)
{
    const int format = args.integer(index, 0);
    strict = format == 1;
    return !args.failed() && (format == 0 || format == 1);
}

// NUMBERVALUE's digits once spaces are gone: group separators before the
// decimal separator dropped, the decimal separator made a point.
bool normalizeDigits(const QString& text, QChar decimal, QChar group, QString& out)
{
    bool seenDecimal = false;
    for (const QChar c : text) {
        if (c == decimal) {
            if (seenDecimal) {
                return false;
            }
            seenDecimal = true;
            out += QLatin1Char('.');
        } else if (c == group) {
            if (seenDecimal) {
                return false;
            }
        } else {
            out += c;
        }
    }
    return true;
}

QChar separatorArgument(ArgumentReader& args, int index, const QString& fallback)
{
    const QString given = args.text(index, fallback);
    return given.isEmpty() ? QChar() : given.front();
}

}  // namespace

Value fixed(const CallContext& context)
{
    ArgumentReader args(context);
    const double number = args.number(0);
    int decimals = 2;
    const bool valid = readDecimals(args, 1, decimals);
    const bool noCommas = args.boolean(2);
    if (args.failed()) {
        return args.error();
    }
    if (!valid) {
        return Value::error(ErrorCode::Value);
    }
    QString code = noCommas ? QStringLiteral("0") : QStringLiteral("#,##0");
    if (decimals > 0) {
        code += QLatin1Char('.') + QString(decimals, QLatin1Char('0'));
    }
    return Value(NumberFormat::format(Value(roundedTo(number, decimals)), code, QLocale()));
}

// The currency's symbol and placement are the user's locale's: "R$ 1.234,57"
// in Brazil, "$1,234.57" in the United States.
Value dollar(const CallContext& context)
{
    ArgumentReader args(context);
    const double number = args.number(0);
    int decimals = 2;
    const bool valid = readDecimals(args, 1, decimals);
    if (args.failed()) {
        return args.error();
    }
    if (!valid) {
        return Value::error(ErrorCode::Value);
    }
    double rounded = roundedTo(number, decimals);
    if (rounded == 0.0) {
        rounded = 0.0;  // no "-$0.00"
    }
    const QLocale locale;
    return Value(locale.toCurrencyString(rounded, locale.currencySymbol(), std::max(decimals, 0)));
}

// Spaces anywhere are ignored and each trailing '%' divides by 100.
Value numberValue(const CallContext& context)
{
    ArgumentReader args(context);
    QString text = args.text(0);
    const QLocale locale;
    const QChar decimal = separatorArgument(args, 1, locale.decimalPoint());
    const QChar group = separatorArgument(args, 2, locale.groupSeparator());
    if (args.failed()) {
        return args.error();
    }
    if (decimal.isNull() || decimal == group) {
        return Value::error(ErrorCode::Value);
    }
    text.removeIf([](QChar c) { return c.isSpace(); });
    if (text.isEmpty()) {
        return Value(0.0);
    }
    int percents = 0;
    while (text.endsWith(QLatin1Char('%'))) {
        text.chop(1);
        ++percents;
    }
    QString digits;
    bool ok = normalizeDigits(text, decimal, group, digits);
    const bool startsRight = !digits.isEmpty() && (digits.front().isDigit() || QStringLiteral("+-.").contains(digits.front()));
    const double number = ok && startsRight ? digits.toDouble(&ok) : 0.0;
    if (!ok || !startsRight || !std::isfinite(number)) {
        return Value::error(ErrorCode::Value);
    }
    return Value(number / std::pow(100.0, percents));
}

Value valueToText(const CallContext& context)
{
    ArgumentReader args(context);
    const Value v = context.scalar(0);
    bool strict = false;
    const bool valid = readStrictness(args, 1, strict);
    if (args.failed()) {
        return args.error();
    }
    return valid ? Value(literalOf(v, strict)) : Value::error(ErrorCode::Value);
}

// Concise: the elements row by row, ", " between. Strict: an array constant,
// ',' between columns and ';' between rows.
Value arrayToText(const CallContext& context)
{
    ArgumentReader args(context);
    bool strict = false;
    const bool valid = readStrictness(args, 1, strict);
    if (args.failed()) {
        return args.error();
    }
    if (!valid) {
        return Value::error(ErrorCode::Value);
    }
    const ValueArray block = context.values(0);
    QString text;
    for (int r = 0; r < block.rows(); ++r) {
        for (int c = 0; c < block.columns(); ++c) {
            if (r > 0 || c > 0) {
                text += !strict ? QStringLiteral(", ") : (c == 0 ? QStringLiteral(";") : QStringLiteral(","));
            }
            text += literalOf(block.at(r, c), strict);
        }
    }
    return Value(strict ? QLatin1Char('{') + text + QLatin1Char('}') : text);
}

}  // namespace spreadsheet::functions
