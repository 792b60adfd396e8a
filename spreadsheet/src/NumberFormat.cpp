#include "NumberFormat.h"

#include "Coercion.h"
#include "DateSerial.h"
#include "DecimalDigits.h"
#include "FormatCode.h"

#include <QHash>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <string_view>

namespace spreadsheet {

namespace {

using Kind = FormatToken::Kind;

// Shown when a date format meets a number that is no date.
const QString kNotADate = QStringLiteral("########");

const FormatCode& parsedCode(const QString& code)
{
    // Cell display asks for the same few codes again and again.
    thread_local QHash<QString, FormatCode> cache;
    if (const auto it = cache.constFind(code); it != cache.cend()) {
        return *it;
    }
    if (cache.size() > 512) {
        cache.clear();
    }
    return *cache.insert(code, FormatCode::parse(code));
}

QString fromLatin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString padded(long long number, int width)
{
    return QString::number(number).rightJustified(width, QLatin1Char('0'));
}

QString exponentText(int exponent, bool showPlus, int minDigits)
{
    const QString sign = exponent < 0 ? QStringLiteral("-") : (showPlus ? QStringLiteral("+") : QString());
    return sign + padded(std::abs(exponent), minDigits);
}

// ---- numbers ----

struct NumberLayout {
    qsizetype point = -1;     // index of the decimal point token
    qsizetype exponent = -1;  // index of the exponent token
    int integerPlaceholders = 0;
    bool integerHasHash = false;
    bool grouping = false;
};

NumberLayout layoutOf(const FormatSection& section)
{
    NumberLayout layout;
    for (qsizetype i = 0; i < section.tokens.size(); ++i) {
        const auto& t = section.tokens[i];
        const bool inInteger = layout.point < 0 && layout.exponent < 0;
        if (t.kind == Kind::DecimalPoint && inInteger) {
            layout.point = i;
        } else if (t.kind == Kind::Exponent && layout.exponent < 0) {
            layout.exponent = i;
        } else if (t.kind == Kind::Digit && inInteger) {
            ++layout.integerPlaceholders;
            layout.integerHasHash = layout.integerHasHash || t.symbol == QLatin1Char('#');
        } else if (t.kind == Kind::Grouping) {
            layout.grouping = true;
        }
    }
    return layout;
}

int floorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Moves the point so that the mantissa fits the integer placeholders; with
// "##0.0E+0" the exponent is a multiple of the placeholder count.
int applyExponent(DecimalDigits& digits, const NumberLayout& layout, int fractionDigits)
{
    const int width = std::max(layout.integerPlaceholders, 1);
    const bool engineering = layout.integerHasHash && width > 1;
    const int step = engineering ? width : 1;
    int exponent = 0;
    if (!digits.isZero()) {
        const int lead = digits.leadingExponent();
        exponent = engineering ? floorDiv(lead, width) * width : lead - (width - 1);
    }
    digits.scale(-exponent);
    digits.round(fractionDigits, DecimalDigits::Rounding::HalfAwayFromZero);
    if (static_cast<int>(digits.integerDigits().size()) > width) {
        // Rounding carried into a new digit (9.99 -> 10.0).
        exponent += step;
        digits.scale(-step);
        digits.round(fractionDigits, DecimalDigits::Rounding::HalfAwayFromZero);
    }
    return exponent;
}

// `general` stands in for a "General" token among literals ("General\" kg\"").
QString integerPart(const QVector<FormatToken>& tokens, qsizetype end, const std::string& digits,
                    const NumberLayout& layout, const QString& groupSeparator, const QString& general)
{
    QString result;
    auto remaining = static_cast<qsizetype>(digits.size());
    int seen = 0;
    int position = 0;  // of the next digit, counted from the point
    for (qsizetype k = end - 1; k >= 0; --k) {
        const auto& t = tokens[k];
        if (t.kind == Kind::Literal || t.kind == Kind::General) {
            result.prepend(t.kind == Kind::Literal ? t.text : general);
            continue;
        }
        if (t.kind != Kind::Digit) {
            continue;
        }
        const bool leftmost = ++seen == layout.integerPlaceholders;
        do {
            QChar c;
            if (remaining > 0) {
                c = QLatin1Char(digits[static_cast<std::size_t>(--remaining)]);
            } else if (t.symbol != QLatin1Char('#')) {
                c = t.symbol == QLatin1Char('0') ? QLatin1Char('0') : QLatin1Char(' ');
            } else {
                break;
            }
            if (layout.grouping && c != QLatin1Char(' ') && position > 0 && position % 3 == 0) {
                result.prepend(groupSeparator);
            }
            result.prepend(c);
            ++position;
        } while (leftmost && remaining > 0);
    }
    return result;
}

QString fractionPart(const QVector<FormatToken>& tokens, qsizetype begin, qsizetype end, const std::string& digits)
{
    const auto lastSignificant = static_cast<qsizetype>(digits.find_last_not_of('0'));  // npos -> -1
    QString result;
    qsizetype index = 0;
    for (qsizetype k = begin; k < end; ++k) {
        const auto& t = tokens[k];
        if (t.kind == Kind::Literal) {
            result += t.text;
        } else if (t.kind == Kind::Digit) {
            if (index <= lastSignificant || t.symbol == QLatin1Char('0')) {
                result += QLatin1Char(digits[static_cast<std::size_t>(index)]);
            } else if (t.symbol == QLatin1Char('?')) {
                result += QLatin1Char(' ');
            }
            ++index;
        }
    }
    return result;
}

QString exponentPart(const QVector<FormatToken>& tokens, qsizetype begin, int exponent)
{
    const auto& marker = tokens[begin];
    int minDigits = 0;
    QString tail;
    for (qsizetype k = begin + 1; k < tokens.size(); ++k) {
        if (tokens[k].kind == Kind::Digit) {
            minDigits += tokens[k].symbol == QLatin1Char('0') ? 1 : 0;
        } else if (tokens[k].kind == Kind::Literal) {
            tail += tokens[k].text;
        }
    }
    return marker.text + exponentText(exponent, marker.showPlus, minDigits) + tail;
}

QString renderNumber(const FormatSection& section, double value, bool minus, const QLocale& locale)
{
    const NumberLayout layout = layoutOf(section);
    DecimalDigits digits(value);
    digits.scale(2 * section.percentCount - 3 * section.thousandsScale);
    int exponent = 0;
    if (section.hasExponent) {
        exponent = applyExponent(digits, layout, section.fractionDigits);
    } else {
        digits.round(section.fractionDigits, DecimalDigits::Rounding::HalfAwayFromZero);
    }
    const auto& tokens = section.tokens;
    const qsizetype exponentAt = layout.exponent < 0 ? tokens.size() : layout.exponent;
    const qsizetype integerEnd = layout.point < 0 ? exponentAt : layout.point;
    const bool hasGeneral = std::any_of(tokens.begin(), tokens.end(), [](const FormatToken& t) {
        return t.kind == Kind::General;
    });
    // A negative number that rounds to zero shows no sign: "0.0", never "-0.0".
    minus = minus && (hasGeneral || !digits.isZero());
    const QString general = hasGeneral ? NumberFormat::generalShown(value, locale) : QString();
    QString text = integerPart(tokens, integerEnd, digits.integerDigits(), layout, locale.groupSeparator(), general);
    if (layout.point >= 0) {
        text += locale.decimalPoint();
        text += fractionPart(tokens, layout.point + 1, exponentAt, digits.fractionDigits(section.fractionDigits));
    }
    if (layout.exponent >= 0) {
        text += exponentPart(tokens, layout.exponent, exponent);
    }
    return minus ? QLatin1Char('-') + text : text;
}

// ---- dates and times ----

QString shortName(QString name)
{
    // Some locales abbreviate with a full stop ("fev."); format codes add their own punctuation.
    if (name.endsWith(QLatin1Char('.'))) {
        name.chop(1);
    }
    return name;
}

QString monthText(const DateSerial::Parts& p, int count, const QLocale& locale)
{
    const int month = p.date.month();
    switch (count) {
    case 1:
    case 2:
        return padded(month, count);
    case 3:
        return shortName(locale.monthName(month, QLocale::ShortFormat));
    case 4:
        return locale.monthName(month, QLocale::LongFormat);
    default:
        return locale.monthName(month, QLocale::LongFormat).left(1);
    }
}

QString dayText(const DateSerial::Parts& p, int count, const QLocale& locale)
{
    if (count <= 2) {
        return padded(p.date.day(), count);
    }
    const auto format = count == 3 ? QLocale::ShortFormat : QLocale::LongFormat;
    const QString name = locale.dayName(p.date.dayOfWeek(), format);
    return count == 3 ? shortName(name) : name;
}

QString amPmText(const QString& marker, int hour)
{
    const bool am = hour < 12;
    const bool lower = marker.front().isLower();
    QString text;
    if (marker.size() <= 3) {
        text = am ? QStringLiteral("A") : QStringLiteral("P");
    } else {
        text = am ? QStringLiteral("AM") : QStringLiteral("PM");
    }
    return lower ? text.toLower() : text;
}

QString dateToken(const FormatToken& t, const DateSerial::Parts& p, const FormatSection& section,
                  const QLocale& locale)
{
    const long long elapsedHours = DateSerial::epoch().daysTo(p.date) * 24LL + p.hour;
    switch (t.kind) {
    case Kind::Year:
        return t.count == 2 ? padded(p.date.year() % 100, 2) : padded(p.date.year(), 4);
    case Kind::Month:
        return monthText(p, t.count, locale);
    case Kind::Day:
        return dayText(p, t.count, locale);
    case Kind::Hour:
        return padded(section.twelveHour ? (p.hour + 11) % 12 + 1 : p.hour, t.count);
    case Kind::Minute:
        return padded(p.minute, t.count);
    case Kind::Second:
        return padded(p.second, t.count);
    case Kind::SecondFraction:
        return locale.decimalPoint() + padded(p.millisecond, 3).left(t.count);
    case Kind::ElapsedHours:
        return padded(elapsedHours, t.count);
    case Kind::ElapsedMinutes:
        return padded(elapsedHours * 60 + p.minute, t.count);
    case Kind::ElapsedSeconds:
        return padded((elapsedHours * 60 + p.minute) * 60 + p.second, t.count);
    case Kind::AmPm:
        return amPmText(t.text, p.hour);
    case Kind::Literal:
        return t.text;
    default:
        return {};
    }
}

QString renderDate(const FormatSection& section, double serial, const QLocale& locale)
{
    DateSerial::Parts parts;
    if (!DateSerial::split(serial, section.secondDecimals, parts)) {
        return kNotADate;
    }
    QString text;
    for (const auto& t : section.tokens) {
        text += dateToken(t, parts, section, locale);
    }
    return text;
}

// ---- sections ----

QString renderText(const FormatSection& section, const QString& value)
{
    QString text;
    for (const auto& t : section.tokens) {
        if (t.kind == Kind::TextValue) {
            text += value;
        } else if (t.kind == Kind::Literal) {
            text += t.text;
        }
    }
    return text;
}

QString renderSection(const FormatSection& section, double value, bool minus, const QLocale& locale)
{
    if (section.isDate) {
        return minus ? kNotADate : renderDate(section, value, locale);
    }
    return renderNumber(section, value, minus, locale);
}

QString formatNumber(double number, const FormatCode& code, const QLocale& locale)
{
    const auto sections = code.numberSections();
    if (sections.isEmpty()) {
        return NumberFormat::generalShown(number, locale);
    }
    // With two or three sections the negative section shows the magnitude; its own text carries any sign.
    if (sections.size() >= 2 && number < 0.0) {
        return renderSection(*sections[1], -number, false, locale);
    }
    if (sections.size() >= 3 && number == 0.0) {
        return renderSection(*sections[2], 0.0, false, locale);
    }
    return renderSection(*sections[0], std::fabs(number), number < 0.0, locale);
}

constexpr int kGeneralWidth = 11;

QString digitsText(const DecimalDigits& digits, const QLocale& locale)
{
    const std::string integer = digits.integerDigits();
    QString text = integer.empty() ? QStringLiteral("0") : fromLatin1(integer);
    if (const int decimals = digits.fractionLength(); decimals > 0) {
        text += locale.decimalPoint() + fromLatin1(digits.fractionDigits(decimals));
    }
    return text;
}

// The mantissa keeps what room the exponent leaves: "1.23457E+12".
QString shortScientific(const DecimalDigits& magnitude, const QLocale& locale, int& significant)
{
    DecimalDigits mantissa = magnitude;
    int lead = mantissa.leadingExponent();
    // "d." and "E" take three characters, the exponent with its sign the rest.
    const auto exponentWidth = static_cast<int>(exponentText(lead, true, 2).size());
    const int decimals = std::max(0, kGeneralWidth - 3 - exponentWidth);
    mantissa.scale(-lead);
    mantissa.round(decimals, DecimalDigits::Rounding::HalfAwayFromZero);
    if (mantissa.integerDigits().size() > 1) {
        mantissa.scale(-1);
        ++lead;
    }
    significant = mantissa.fractionLength() + 1;
    return digitsText(mantissa, locale) + QLatin1Char('E') + exponentText(lead, true, 2);
}

// Most numbers a sheet shows are short: the shortest text that reads back
// as the same double already fits the General width. Rounding the exact
// binary value to the width's decimals gives that same text, because the
// two differ by far less than half a unit in its last place; such numbers
// skip the exact decimal expansion, which costs some thousand times more.
bool shortGeneral(double number, const QLocale& locale, QString& shown)
{
    const double magnitude = std::fabs(number);
    if (!(magnitude < 1e11)) {
        return false;
    }
    char digits[32];
    // Whole numbers, the most common of all, are their integer's digits.
    if (magnitude == std::floor(magnitude)) {
        // digits[0] is kept for the sign.
        const char* end = std::to_chars(digits + 1, std::end(digits), static_cast<long long>(magnitude)).ptr;
        const bool negative = number < 0.0;
        digits[0] = '-';
        shown = QLatin1StringView(negative ? digits : digits + 1, end);
        return true;
    }
    if (magnitude < 1e-10) {
        return false;
    }
    const auto [end, error] = std::to_chars(std::begin(digits), std::end(digits), magnitude, std::chars_format::fixed);
    if (error != std::errc()) {
        return false;
    }
    const std::string_view text(digits, static_cast<std::size_t>(end - digits));
    const std::size_t point = std::min(text.find('.'), text.size());
    const std::size_t decimals = point == text.size() ? 0 : text.size() - point - 1;
    const auto allowed = static_cast<std::size_t>(std::max(0, kGeneralWidth - static_cast<int>(point) - 1));
    if (decimals > allowed) {
        return false;
    }
    shown.reserve(static_cast<qsizetype>(text.size()) + 2);
    if (number < 0.0) {
        shown += QLatin1Char('-');
    }
    shown += QLatin1StringView(text.data(), static_cast<qsizetype>(point));
    if (decimals > 0) {
        shown += locale.decimalPoint();
        shown += QLatin1StringView(text.data() + point + 1, static_cast<qsizetype>(decimals));
    }
    return true;
}

}  // namespace

QString NumberFormat::generalShown(double number, const QLocale& locale)
{
    if (QString shown; shortGeneral(number, locale, shown)) {
        return shown;
    }
    DecimalDigits magnitude(std::fabs(number));
    if (magnitude.isZero()) {
        return QStringLiteral("0");
    }
    const QString sign = number < 0.0 ? QStringLiteral("-") : QString();
    const int lead = magnitude.leadingExponent();
    int scientificDigits = 0;
    const QString scientific = shortScientific(magnitude, locale, scientificDigits);
    if (lead >= kGeneralWidth) {
        return sign + scientific;
    }
    // The point takes one character and a pure fraction shows its leading "0".
    const int integerWidth = std::max(lead + 1, 1);
    DecimalDigits fixed = magnitude;
    fixed.round(std::max(0, kGeneralWidth - integerWidth - 1), DecimalDigits::Rounding::HalfAwayFromZero);
    const int fixedDigits = fixed.isZero() ? 0 : fixed.fractionLength() + fixed.leadingExponent() + 1;
    // A tiny number keeps its digits in the scientific form rather than lose them to leading zeros.
    if (fixed.isZero() || (fixedDigits < scientificDigits && lead < 0)) {
        return sign + scientific;
    }
    if (fixed.leadingExponent() >= kGeneralWidth) {
        return sign + scientific;  // 99999999999.6 rounds into a twelfth digit
    }
    return sign + digitsText(fixed, locale);
}

bool NumberFormat::isValid(const QString& code)
{
    bool quoted = false;
    bool bracket = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (quoted) {
            continue;
        } else if (c == QLatin1Char('\\') || c == QLatin1Char('_') || c == QLatin1Char('*')) {
            ++i;  // the next character is taken as it is
        } else if (c == QLatin1Char('[')) {
            if (bracket) {
                return false;
            }
            bracket = true;
        } else if (c == QLatin1Char(']')) {
            bracket = false;
        }
    }
    return !quoted && !bracket;
}

QString NumberFormat::format(const Value& value, const QString& code, const QLocale& locale)
{
    switch (value.type()) {
    case ValueType::Empty:
        return {};
    case ValueType::Array:
        return format(value.array().at(0, 0), code, locale);
    case ValueType::Error:
    case ValueType::Boolean:
        return coerce::toText(value);
    case ValueType::Text: {
        const FormatSection* section = parsedCode(code).textSection();
        return section ? renderText(*section, value.text()) : value.text();
    }
    case ValueType::Number:
        break;
    }
    if (!std::isfinite(value.number())) {
        return errorText(ErrorCode::Num);
    }
    return formatNumber(value.number(), parsedCode(code), locale);
}

bool NumberFormat::isDateFormat(const QString& code)
{
    const auto sections = parsedCode(code).numberSections();
    return !sections.isEmpty() && sections.front()->isDate;
}

QString NumberFormat::general(double number, const QLocale& locale)
{
    DecimalDigits digits(number);
    if (digits.isZero()) {
        return QStringLiteral("0");
    }
    const int lead = digits.leadingExponent();
    const bool scientific = lead >= 15 || lead < -9;
    if (scientific) {
        digits.scale(-lead);
    }
    QString text = digits.isNegative() ? QStringLiteral("-") : QString();
    const std::string integer = digits.integerDigits();
    text += integer.empty() ? QStringLiteral("0") : fromLatin1(integer);
    if (const int decimals = digits.fractionLength(); decimals > 0) {
        text += locale.decimalPoint() + fromLatin1(digits.fractionDigits(decimals));
    }
    if (scientific) {
        text += QLatin1Char('E') + exponentText(lead, true, 2);
    }
    return text;
}

}  // namespace spreadsheet
