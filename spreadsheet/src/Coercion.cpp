#include "Coercion.h"

#include "DateSerial.h"
#include "NumberFormat.h"

#include <QLocale>

#include <cmath>

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
    bool ok = false;
    double value = QLocale().toDouble(t, &ok);
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
