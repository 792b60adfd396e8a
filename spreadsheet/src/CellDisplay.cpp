#include <spreadsheet/CellDisplay.h>

#include "DecimalDigits.h"
#include "NumberFormat.h"

#include <spreadsheet/Sheet.h>
#include <spreadsheet/Value.h>

#include <cmath>
#include <cstdlib>
#include <utility>

namespace spreadsheet {

namespace {

constexpr auto kRounding = DecimalDigits::Rounding::HalfAwayFromZero;

bool isGeneral(const QString& code)
{
    // Files written by other programs name the General format outright.
    return code.isEmpty() || code.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0;
}

// The number in scientific form with `decimals` places in the mantissa,
// trailing zeros dropped as General drops them.
QString scientificForm(double number, int decimals, const QLocale& locale)
{
    DecimalDigits mantissa(number);
    int exponent = mantissa.leadingExponent();
    mantissa.scale(-exponent);
    mantissa.round(decimals, kRounding);
    if (mantissa.integerDigits().size() > 1) {
        // 9,96 kept to one place carries into 10,0.
        mantissa.scale(-1);
        ++exponent;
    }
    const QString exponentDigits = QString::number(std::abs(exponent)).rightJustified(2, QLatin1Char('0'));
    const QLatin1Char sign(exponent < 0 ? '-' : '+');
    return NumberFormat::general(mantissa.toDouble(), locale) + QLatin1Char('E') + sign + exponentDigits;
}

}  // namespace

CellDisplay::CellDisplay(int width, TextMeasure measure) : width_(width), measure_(std::move(measure)) {}

QString CellDisplay::text(const Sheet& sheet, int row, int column) const
{
    const Value value = sheet.value(row, column);
    if (!value.isNumber()) {
        return sheet.displayText(row, column);
    }
    return text(value, sheet.style(row, column).numberFormat, QLocale());
}

QString CellDisplay::text(const Value& value, const QString& numberFormat, const QLocale& locale) const
{
    // An infinite number shows the error text, which is no number to shorten.
    if (!value.isNumber() || !std::isfinite(value.number())) {
        return NumberFormat::format(value, numberFormat, locale);
    }
    if (isGeneral(numberFormat)) {
        return general(value.number(), locale);
    }
    const QString formatted = NumberFormat::format(value, numberFormat, locale);
    return fits(formatted) ? formatted : fill();
}

bool CellDisplay::fits(const QString& text) const
{
    return measure_(text) <= width_;
}

QString CellDisplay::general(double number, const QLocale& locale) const
{
    const QString full = NumberFormat::general(number, locale);
    if (fits(full)) {
        return full;
    }
    const bool alreadyScientific = full.contains(QLatin1Char('E'));
    QString text = alreadyScientific ? QString() : shortened(number, locale);
    if (text.isEmpty()) {
        text = scientific(number, locale);
    }
    return text.isEmpty() ? fill() : text;
}

// Drops decimals one at a time while the integer part fits; empty when even
// the integer does not.
QString CellDisplay::shortened(double number, const QLocale& locale) const
{
    const DecimalDigits digits(number);
    for (int decimals = digits.fractionLength() - 1; decimals >= 0; --decimals) {
        DecimalDigits rounded = digits;
        rounded.round(decimals, kRounding);
        if (rounded.isZero()) {
            // 0,0004 shown as 0 would hide that there is a value at all.
            return {};
        }
        const QString text = NumberFormat::general(rounded.toDouble(), locale);
        if (fits(text)) {
            return text;
        }
    }
    return {};
}

QString CellDisplay::scientific(double number, const QLocale& locale) const
{
    const DecimalDigits digits(number);
    if (digits.isZero()) {
        return {};
    }
    const int significant = digits.fractionLength() + digits.leadingExponent() + 1;
    for (int decimals = significant - 1; decimals >= 0; --decimals) {
        const QString text = scientificForm(number, decimals, locale);
        if (fits(text)) {
            return text;
        }
    }
    return {};
}

QString CellDisplay::fill() const
{
    const int hashWidth = measure_(u"#");
    // A column narrower than its padding leaves no room at all.
    const int count = hashWidth > 0 && width_ > 0 ? width_ / hashWidth : 0;
    return QString(count, QLatin1Char('#'));
}

}  // namespace spreadsheet
