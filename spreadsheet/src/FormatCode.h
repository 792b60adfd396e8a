#pragma once

#include <QString>
#include <QStringView>
#include <QVector>

#include <cstdint>

namespace spreadsheet {

struct FormatToken {
    enum class Kind : std::uint8_t {
        Literal,       // text shown as written
        Digit,         // '0', '#' or '?' (in `symbol`)
        DecimalPoint,
        Grouping,      // a ',' between digit placeholders
        Exponent,      // E+ (showPlus) or E-
        TextValue,     // '@'
        General,
        Year,          // count: 2 or 4 digits
        Month,         // count 1..2 digits, 3 short name, 4 long name, 5 initial
        Day,           // count 1..2 digits, 3 short name, 4 long name
        Hour,
        Minute,
        Second,
        SecondFraction,  // count: digits after the seconds
        ElapsedHours,    // [h]: hours since serial 0
        ElapsedMinutes,
        ElapsedSeconds,
        AmPm,          // text: the marker as written, "AM/PM" or "A/P" in either case
    };
    Kind kind = Kind::Literal;
    QString text;
    int count = 0;
    QChar symbol;
    bool showPlus = false;
};

// One ';'-separated part of a format code, read into tokens.
struct FormatSection {
    QVector<FormatToken> tokens;
    bool isDate = false;
    bool isText = false;       // has '@'
    bool twelveHour = false;   // has an AM/PM marker
    int percentCount = 0;      // each '%' multiplies by 100
    int thousandsScale = 0;    // each trailing ',' divides by 1000
    int fractionDigits = 0;    // placeholders after the point
    int secondDecimals = 0;    // digits of fractional seconds
    bool hasExponent = false;
};

// A number format code such as "#,##0.00;[Red]-#,##0.00" split into sections.
class FormatCode {
public:
    static FormatCode parse(QStringView code);

    const QVector<FormatSection>& sections() const { return sections_; }
    // The section used for text values, or nullptr when text is shown unchanged.
    const FormatSection* textSection() const;
    // The sections used for numbers: positive, negative, zero (any of them may be absent).
    QVector<const FormatSection*> numberSections() const;

private:
    QVector<FormatSection> sections_;
};

}  // namespace spreadsheet
