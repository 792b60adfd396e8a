#include "TextFunctions.h"

#include "../Coercion.h"
#include "../DateSerial.h"
#include "../NumberFormat.h"
#include "ArgumentReader.h"
#include "WildcardPattern.h"

#include <QLocale>

namespace spreadsheet::functions {

namespace {

// FIND and SEARCH: the 1-based position of a match at or after `start`.
template <typename Locate>
Value locate(const CallContext& context, Locate indexOf)
{
    ArgumentReader args(context);
    const QString needle = args.text(0);
    const QString haystack = args.text(1);
    const int start = args.integer(2, 1);
    if (args.failed()) {
        return args.error();
    }
    if (start < 1 || start > haystack.size() + 1) {
        return Value::error(ErrorCode::Value);
    }
    const qsizetype at = indexOf(needle, haystack, start - 1);
    return at < 0 ? Value::error(ErrorCode::Value) : Value(static_cast<double>(at + 1));
}

template <typename Transform>
Value mapText(const CallContext& context, Transform transform)
{
    ArgumentReader args(context);
    const QString text = args.text(0);
    return args.failed() ? args.error() : Value(transform(text));
}

// SUBSTITUTE with an instance number: only that occurrence changes.
QString replaceOccurrence(const QString& text, const QString& old, const QString& replacement, int instance)
{
    qsizetype at = -old.size();
    for (int n = 0; n < instance; ++n) {
        at = text.indexOf(old, at + old.size());
        if (at < 0) {
            return text;
        }
    }
    QString result = text;
    return result.replace(at, old.size(), replacement);
}

}  // namespace

Value concatenate(const CallContext& context)
{
    ArgumentReader args(context);
    QString result;
    for (int i = 0; i < context.count(); ++i) {
        result += args.text(i);
    }
    return args.failed() ? args.error() : Value(result);
}

Value left(const CallContext& context)
{
    ArgumentReader args(context);
    const QString text = args.text(0);
    const int n = args.integer(1, 1);
    if (args.failed()) {
        return args.error();
    }
    return n < 0 ? Value::error(ErrorCode::Value) : Value(text.left(n));
}

Value right(const CallContext& context)
{
    ArgumentReader args(context);
    const QString text = args.text(0);
    const int n = args.integer(1, 1);
    if (args.failed()) {
        return args.error();
    }
    return n < 0 ? Value::error(ErrorCode::Value) : Value(text.right(n));
}

Value mid(const CallContext& context)
{
    ArgumentReader args(context);
    const QString text = args.text(0);
    const int start = args.integer(1);
    const int n = args.integer(2);
    if (args.failed()) {
        return args.error();
    }
    if (start < 1 || n < 0) {
        return Value::error(ErrorCode::Value);
    }
    return Value(text.mid(start - 1, n));
}

Value length(const CallContext& context)
{
    ArgumentReader args(context);
    const QString text = args.text(0);
    return args.failed() ? args.error() : Value(static_cast<double>(text.size()));
}

Value upper(const CallContext& context)
{
    return mapText(context, [](const QString& s) { return s.toUpper(); });
}

Value lower(const CallContext& context)
{
    return mapText(context, [](const QString& s) { return s.toLower(); });
}

// Only the plain space is trimmed and collapsed; tabs and non-breaking spaces stay.
Value trim(const CallContext& context)
{
    return mapText(context, [](const QString& s) {
        QString result;
        result.reserve(s.size());
        for (const QChar c : s) {
            const bool space = c == QLatin1Char(' ');
            if (!space || (!result.isEmpty() && !result.endsWith(QLatin1Char(' ')))) {
                result += c;
            }
        }
        if (result.endsWith(QLatin1Char(' '))) {
            result.chop(1);
        }
        return result;
    });
}

Value substitute(const CallContext& context)
{
    ArgumentReader args(context);
    QString text = args.text(0);
    const QString old = args.text(1);
    const QString replacement = args.text(2);
    const bool oneInstance = args.isGiven(3);
    const int instance = args.integer(3, 0);
    if (args.failed()) {
        return args.error();
    }
    if (oneInstance && instance < 1) {
        return Value::error(ErrorCode::Value);
    }
    if (old.isEmpty()) {
        return Value(text);
    }
    return Value(oneInstance ? replaceOccurrence(text, old, replacement, instance)
                             : text.replace(old, replacement, Qt::CaseSensitive));
}

Value find(const CallContext& context)
{
    return locate(context, [](const QString& needle, const QString& haystack, qsizetype from) {
        return haystack.indexOf(needle, from, Qt::CaseSensitive);
    });
}

Value search(const CallContext& context)
{
    return locate(context, [](const QString& needle, const QString& haystack, qsizetype from) {
        if (!WildcardPattern::hasWildcards(needle)) {
            return haystack.indexOf(needle, from, Qt::CaseInsensitive);
        }
        return WildcardPattern(needle).indexIn(haystack, from);
    });
}

// A numeric text is formatted as the number it stands for.
Value text(const CallContext& context)
{
    ArgumentReader args(context);
    Value v = args.value(0);
    const QString code = args.text(1);
    if (args.failed()) {
        return args.error();
    }
    double number = 0.0;
    if (v.isText() && coerce::parseNumber(v.text(), number)) {
        v = Value(number);
    } else if (v.isEmpty()) {
        v = Value(0.0);
    }
    return Value(NumberFormat::format(v, code, QLocale()));
}

// Numbers, percentages, dates and times written as text.
Value value(const CallContext& context)
{
    ArgumentReader args(context);
    const Value v = args.value(0);
    if (args.failed()) {
        return args.error();
    }
    double number = 0.0;
    switch (v.type()) {
    case ValueType::Number:
        return v;
    case ValueType::Empty:
        return Value(0.0);
    case ValueType::Text:
        if (coerce::parseNumber(v.text(), number) || DateSerial::parse(v.text(), QLocale(), number)) {
            return Value(number);
        }
        break;
    default:
        break;
    }
    return Value::error(ErrorCode::Value);
}

}  // namespace spreadsheet::functions
