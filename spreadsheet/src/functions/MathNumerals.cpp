#include "MathFunctions.h"

#include "ArgumentReader.h"
#include "MathSupport.h"

#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace spreadsheet::functions {

namespace {

using math::kLargestExactInteger;

constexpr int kLargestRoman = 3999;
constexpr int kLongestText = 255;
constexpr int kLargestRadix = 36;

constexpr std::array<char, 7> kRomanLetters{'M', 'D', 'C', 'L', 'X', 'V', 'I'};
constexpr std::array<int, 7> kRomanValues{1000, 500, 100, 50, 10, 5, 1};

struct RomanToken {
    int value;
    QString text;
};

// The letters and the subtractive pairs a form allows, largest first. A pair
// puts letter s before a larger letter b, g places up the list MDCLXVI. Form 0
// (classic) allows g of 1 or 2 with s a power of ten (IV, IX, XL...); each
// further form adds the two next gaps, with s alternately a five (VL, LD...)
// and a power of ten (IL, XD...), up to form 4's ID and IM.
std::vector<RomanToken> romanTokens(int form)
{
    std::vector<RomanToken> tokens;
    for (std::size_t i = 0; i < kRomanLetters.size(); ++i) {
        tokens.push_back({kRomanValues[i], QString(QLatin1Char(kRomanLetters[i]))});
    }
    for (int level = 0; level <= form; ++level) {
        for (int s = level % 2 == 0 ? 6 : 5; s >= 0; s -= 2) {
            for (int gap : {level + 1, level + 2}) {
                if (s - gap >= 0) {
                    const auto b = static_cast<std::size_t>(s - gap);
                    const auto small = static_cast<std::size_t>(s);
                    tokens.push_back({kRomanValues[b] - kRomanValues[small],
                                      QString(QLatin1Char(kRomanLetters[small])) + QLatin1Char(kRomanLetters[b])});
                }
            }
        }
    }
    std::sort(tokens.begin(), tokens.end(), [](const RomanToken& a, const RomanToken& b) { return a.value > b.value; });
    return tokens;
}

// TRUE is the classic form and FALSE the simplest; numbers 0 to 4 name the form.
int romanForm(ArgumentReader& args)
{
    if (!args.isGiven(1)) {
        return 0;
    }
    const Value v = args.value(1);
    if (v.isBoolean()) {
        return v.boolean() ? 0 : 4;
    }
    const double form = std::trunc(args.number(1));
    if (form < 0.0 || form > 4.0) {
        args.fail(ErrorCode::Value);
    }
    return static_cast<int>(form);
}

int romanValue(QChar c)
{
    const char letter = c.toUpper().toLatin1();
    for (std::size_t i = 0; i < kRomanLetters.size(); ++i) {
        if (kRomanLetters[i] == letter) {
            return kRomanValues[i];
        }
    }
    return 0;
}

int digitValue(QChar c)
{
    const char ch = c.toUpper().toLatin1();
    if (ch >= '0' && ch <= '9') {
        return ch - '0';
    }
    return ch >= 'A' && ch <= 'Z' ? ch - 'A' + 10 : kLargestRadix;
}

}  // namespace

Value roman(const CallContext& context)
{
    ArgumentReader args(context);
    const double n = std::trunc(args.number(0));
    const int form = romanForm(args);
    if (args.failed()) {
        return args.error();
    }
    if (n < 0.0 || n > kLargestRoman) {
        return Value::error(ErrorCode::Value);
    }
    int rest = static_cast<int>(n);
    QString out;
    for (const RomanToken& token : romanTokens(form)) {
        for (; rest >= token.value; rest -= token.value) {
            out += token.text;
        }
    }
    return Value(out);
}

// Any case, a leading minus, and the forms ROMAN writes: a letter before a
// larger one counts negatively.
Value arabic(const CallContext& context)
{
    ArgumentReader args(context);
    QString text = args.text(0).trimmed();
    if (args.failed()) {
        return args.error();
    }
    if (text.size() > kLongestText) {
        return Value::error(ErrorCode::Value);
    }
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative) {
        text.remove(0, 1);
    }
    double total = 0.0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int v = romanValue(text[i]);
        if (v == 0) {
            return Value::error(ErrorCode::Value);
        }
        const int next = i + 1 < text.size() ? romanValue(text[i + 1]) : 0;
        total += v < next ? -v : v;
    }
    return Value(negative ? -total : total);
}

Value base(const CallContext& context)
{
    ArgumentReader args(context);
    const double n = std::trunc(args.number(0));
    const int radix = args.integer(1);
    const int minLength = args.integer(2, 0);
    if (args.failed()) {
        return args.error();
    }
    if (n < 0.0 || n >= kLargestExactInteger || radix < 2 || radix > kLargestRadix || minLength < 0
        || minLength > kLongestText) {
        return Value::error(ErrorCode::Num);
    }
    QString out;
    for (auto rest = static_cast<long long>(n); rest > 0; rest /= radix) {
        const int digit = static_cast<int>(rest % radix);
        out.prepend(QLatin1Char(static_cast<char>(digit < 10 ? '0' + digit : 'A' + digit - 10)));
    }
    if (out.isEmpty()) {
        out = QStringLiteral("0");
    }
    return Value(out.rightJustified(minLength, QLatin1Char('0')));
}

Value decimal(const CallContext& context)
{
    ArgumentReader args(context);
    const QString text = args.text(0).trimmed();
    const int radix = args.integer(1);
    if (args.failed()) {
        return args.error();
    }
    if (text.size() > kLongestText) {
        return Value::error(ErrorCode::Value);
    }
    if (radix < 2 || radix > kLargestRadix) {
        return Value::error(ErrorCode::Num);
    }
    double total = 0.0;
    for (QChar c : text) {
        const int digit = digitValue(c);
        if (digit >= radix) {
            return Value::error(ErrorCode::Num);
        }
        total = total * radix + digit;
    }
    return total > kLargestExactInteger ? Value::error(ErrorCode::Num) : Value(total);
}

}  // namespace spreadsheet::functions
