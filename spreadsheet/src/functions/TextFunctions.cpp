#include "TextFunctions.h"

#include "../Coercion.h"
#include "../DateSerial.h"
#include "../NumberFormat.h"
#include "ArgumentReader.h"

#include <spreadsheet/Limits.h>
#include "WildcardPattern.h"

#include <QLocale>

#include <algorithm>

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

// Windows-1252, the code page of CHAR and CODE, differs from Latin-1 in 0x80..0x9F.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QChar fromCodePage(int code)
{
    return code >= 0x80 && code < 0xA0 ? QChar(kWindows1252High[code - 0x80]) : QChar(code);
}

// Characters outside the code page read as '?', as they do when saved in it.
int toCodePage(QChar c)
{
    for (int code = 0x80; code < 0xA0; ++code) {
        if (kWindows1252High[code - 0x80] == c.unicode()) {
            return code;
        }
    }
    return c.unicode() < 0x100 ? c.unicode() : '?';
}

constexpr int kMaxTextLength = limits::kCellText;

}  // namespace

Value character(const CallContext& context)
{
    ArgumentReader args(context);
    const int code = args.integer(0);
    if (args.failed()) {
        return args.error();
    }
    return code < 1 || code > 255 ? Value::error(ErrorCode::Value) : Value(QString(fromCodePage(code)));
}

Value characterCode(const CallContext& context)
{
    ArgumentReader args(context);
    const QString text = args.text(0);
    if (args.failed()) {
        return args.error();
    }
    return text.isEmpty() ? Value::error(ErrorCode::Value) : Value(static_cast<double>(toCodePage(text.front())));
}

// Surrogate halves are no characters of their own.
Value unicodeCharacter(const CallContext& context)
{
    ArgumentReader args(context);
    const int code = args.integer(0);
    if (args.failed()) {
        return args.error();
    }
    if (code < 1 || code > 0x10FFFF) {
        return Value::error(ErrorCode::Value);
    }
    if (code >= 0xD800 && code <= 0xDFFF) {
        return Value::error(ErrorCode::NA);
    }
    const char32_t c = static_cast<char32_t>(code);
    return Value(QString::fromUcs4(&c, 1));
}

Value unicodeCode(const CallContext& context)
{
    ArgumentReader args(context);
    const QString text = args.text(0);
    if (args.failed()) {
        return args.error();
    }
    if (text.isEmpty()) {
        return Value::error(ErrorCode::Value);
    }
    const bool pair = text.size() > 1 && text[0].isHighSurrogate() && text[1].isLowSurrogate();
    return Value(static_cast<double>(pair ? QChar::surrogateToUcs4(text[0], text[1]) : text[0].unicode()));
}

Value exact(const CallContext& context)
{
    ArgumentReader args(context);
    const QString a = args.text(0);
    const QString b = args.text(1);
    return args.failed() ? args.error() : Value::boolean(a == b);
}

// A letter after anything but a letter starts a word: "2-way" gives "2-Way".
Value proper(const CallContext& context)
{
    return mapText(context, [](const QString& s) {
        QString result = s;
        bool afterLetter = false;
        for (QChar& c : result) {
            c = afterLetter ? c.toLower() : c.toUpper();
            afterLetter = c.isLetter();
        }
        return result;
    });
}

Value replace(const CallContext& context)
{
    ArgumentReader args(context);
    QString text = args.text(0);
    const int start = args.integer(1);
    const int count = args.integer(2);
    const QString replacement = args.text(3);
    if (args.failed()) {
        return args.error();
    }
    if (start < 1 || count < 0) {
        return Value::error(ErrorCode::Value);
    }
    const qsizetype at = std::min<qsizetype>(start - 1, text.size());
    const qsizetype removed = std::min<qsizetype>(count, text.size() - at);
    if (text.size() - removed + replacement.size() > kMaxTextLength) {
        return Value::error(ErrorCode::Value);
    }
    return Value(text.replace(at, removed, replacement));
}

Value repeat(const CallContext& context)
{
    ArgumentReader args(context);
    const QString text = args.text(0);
    const int times = args.integer(1);
    if (args.failed()) {
        return args.error();
    }
    if (times < 0 || static_cast<double>(text.size()) * times > kMaxTextLength) {
        return Value::error(ErrorCode::Value);
    }
    return Value(text.repeated(times));
}

// The 32 control characters of 7-bit ASCII go; everything else stays.
Value clean(const CallContext& context)
{
    return mapText(context, [](const QString& s) {
        QString result;
        result.reserve(s.size());
        for (const QChar c : s) {
            if (c.unicode() >= 32) {
                result += c;
            }
        }
        return result;
    });
}

Value textOnly(const CallContext& context)
{
    ArgumentReader args(context);
    const Value v = args.value(0);
    if (args.failed()) {
        return args.error();
    }
    return v.isText() ? v : Value(QString());
}

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
    // Measured before replacing: a long text with many matches could ask
    // for gigabytes.
    const qsizetype growth = replacement.size() - old.size();
    if (!oneInstance && growth > 0 && text.size() + text.count(old) * growth > kMaxTextLength) {
        return Value::error(ErrorCode::Value);
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
    if (!NumberFormat::isValid(code)) {
        return Value::error(ErrorCode::Value);
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
