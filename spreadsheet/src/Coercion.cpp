#include "Coercion.h"

#include "DateSerial.h"
#include "NumberFormat.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <optional>

namespace spreadsheet::coerce {

namespace {

bool isPortuguese()
{
    return QLocale().language() == QLocale::Portuguese;
}

QString booleanText(bool b)
{
    if (isPortuguese()) {
        return b ? QStringLiteral("VERDADEIRO") : QStringLiteral("FALSO");
    }
    return b ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

// Numbers that differ only past the 15th significant digit compare equal, as
// spreadsheet users expect of 0.1+0.2=0.3.
bool nearlyEqual(double a, double b)
{
    if (a == b) {
        return true;
    }
    const double scale = std::max(std::fabs(a), std::fabs(b));
    return std::fabs(a - b) <= scale * 1e-15;
}

int typeRank(ValueType type)
{
    switch (type) {
    case ValueType::Text:
        return 1;
    case ValueType::Boolean:
        return 2;
    default:
        return 0;
    }
}

// Digits with at most one decimal mark, an optional minus, and group marks
// every three digits of the whole part: nearly every number a formula reads
// from text (VALUE over a report's formatted amounts, "10.373,00") has this
// shape. They are read directly, which rounds exactly as the locale's parser
// does at a tenth of its cost; anything else, exponents included, goes to
// the locale.
std::optional<double> plainNumber(QStringView t, QChar decimalPoint, QChar groupSeparator)
{
    constexpr qsizetype kLongest = 40;
    if (t.size() > kLongest) {
        return std::nullopt;
    }
    char digits[kLongest];
    std::size_t n = 0;
    bool mark = false;
    int groupDigits = -1;  // digits since the last group mark; -1 before the first
    int leadingDigits = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c >= u'0' && c <= u'9') {
            digits[n++] = static_cast<char>(c.unicode());
            if (mark) {
                continue;
            }
            if (groupDigits < 0) {
                ++leadingDigits;
            } else if (++groupDigits > 3) {
                return std::nullopt;
            }
        } else if (c == u'-' && i == 0) {
            digits[n++] = '-';
        } else if (c == decimalPoint && !mark && n > 0 && digits[n - 1] != '-') {
            if (groupDigits >= 0 && groupDigits != 3) {
                return std::nullopt;
            }
            mark = true;
            digits[n++] = '.';
        } else if (c == groupSeparator && !mark && leadingDigits > 0 && leadingDigits <= 3
                   && (groupDigits < 0 || groupDigits == 3)) {
            groupDigits = 0;
        } else {
            return std::nullopt;
        }
    }
    if (n == 0 || digits[n - 1] < '0' || digits[n - 1] > '9' || (!mark && groupDigits >= 0 && groupDigits != 3)) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(digits, digits + n, value);
    if (error != std::errc() || end != digits + n) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

bool toNumber(const Value& value, double& out, ErrorCode& error)
{
    switch (value.type()) {
    case ValueType::Array:
        return toNumber(value.array().at(0, 0), out, error);
    case ValueType::Number:
    case ValueType::Boolean:
        out = value.number();
        return true;
    case ValueType::Empty:
        out = 0.0;
        return true;
    case ValueType::Text:
        // A date or a time written as text counts as its serial number, as
        // "2024-01-10"+1 is the next day.
        if (parseNumber(value.text(), out) || DateSerial::parse(value.text(), QLocale(), out)) {
            return true;
        }
        error = ErrorCode::Value;
        return false;
    case ValueType::Error:
        error = value.error();
        return false;
    }
    return false;
}

bool toBoolean(const Value& value, bool& out, ErrorCode& error)
{
    switch (value.type()) {
    case ValueType::Array:
        return toBoolean(value.array().at(0, 0), out, error);
    case ValueType::Number:
    case ValueType::Boolean:
        out = value.number() != 0.0;
        return true;
    case ValueType::Empty:
        out = false;
        return true;
    case ValueType::Text: {
        const QString t = value.text().trimmed();
        for (bool b : {true, false}) {
            if (t.compare(booleanText(b), Qt::CaseInsensitive) == 0
                || t.compare(b ? QLatin1String("TRUE") : QLatin1String("FALSE"), Qt::CaseInsensitive) == 0) {
                out = b;
                return true;
            }
        }
        error = ErrorCode::Value;
        return false;
    }
    case ValueType::Error:
        error = value.error();
        return false;
    }
    return false;
}

QString toText(const Value& value)
{
    switch (value.type()) {
    case ValueType::Array:
        return toText(value.array().at(0, 0));
    case ValueType::Number:
        return numberText(value.number());
    case ValueType::Text:
        return value.text();
    case ValueType::Boolean:
        return booleanText(value.boolean());
    case ValueType::Error:
        return errorText(value.error());
    case ValueType::Empty:
        break;
    }
    return {};
}

QString numberText(double number)
{
    return NumberFormat::general(number, QLocale());
}

bool parseNumber(QStringView text, double& out)
{
    QStringView t = text.trimmed();
    if (t.isEmpty()) {
        return false;
    }
    double scale = 1.0;
    if (t.endsWith(u'%')) {
        scale = 0.01;
        t = t.chopped(1).trimmed();
    }
    // Only a digit, a sign or a decimal mark can start a number; anything
    // else is text, told without asking the locale, which is slow.
    const QChar first = t.front();
    if (!first.isDigit() && first != u'+' && first != u'-' && first != u'.' && first != u',') {
        return false;
    }
    // The user's locale first: in pt-BR "1.234" is one thousand two hundred
    // and thirty-four. Invariant notation is still accepted after it.
    const QLocale locale;
    const QString decimalPoint = locale.decimalPoint();
    const QString groupSeparator = locale.groupSeparator();
    if (decimalPoint.size() == 1 && groupSeparator.size() == 1 && decimalPoint != groupSeparator) {
        if (const std::optional<double> plain = plainNumber(t, decimalPoint.front(), groupSeparator.front())) {
            out = *plain * scale;
            return true;
        }
    }
    bool ok = false;
    double value = locale.toDouble(t, &ok);
    if (!ok) {
        value = QLocale::c().toDouble(t, &ok);
    }
    if (!ok || !std::isfinite(value)) {
        return false;
    }
    out = value * scale;
    return true;
}

int compare(const Value& a, const Value& b)
{
    // An empty side takes the other side's type.
    const ValueType ta = a.isEmpty() ? (b.isEmpty() ? ValueType::Number : b.type()) : a.type();
    const ValueType tb = b.isEmpty() ? ta : b.type();
    if (typeRank(ta) != typeRank(tb)) {
        return typeRank(ta) < typeRank(tb) ? -1 : 1;
    }
    if (ta == ValueType::Text) {
        const int c = a.text().compare(b.text(), Qt::CaseInsensitive);
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    const double x = a.number();
    const double y = b.number();
    if (nearlyEqual(x, y)) {
        return 0;
    }
    return x < y ? -1 : 1;
}

}  // namespace spreadsheet::coerce
