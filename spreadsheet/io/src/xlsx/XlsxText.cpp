#include "XlsxText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

namespace spreadsheet::io::XlsxText {

void appendEscaped(std::string& out, QByteArrayView text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            if (byte < 0x20 && c != '\t' && c != '\n') {
                out += "_x00";
                out += kHex[byte >> 4];
                out += kHex[byte & 0xF];
                out += '_';
            } else {
                out += c;
            }
        }
    }
}

bool needsPreserve(QByteArrayView escaped)
{
    return !escaped.isEmpty()
           && (std::isspace(static_cast<unsigned char>(escaped.front()))
               || std::isspace(static_cast<unsigned char>(escaped.back())));
}

namespace {

// Most numbers in a report have at most three decimals. For those, the
// form with 16 significant digits is the number's value in thousandths
// when the value lies within half a unit of the 16th digit of it, which
// 64-bit long double arithmetic decides exactly; others take the general
// conversion.
bool appendThousandths(std::string& out, double value)
{
    constexpr double kLimit = 1e12;
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-3 && magnitude < kLimit))
        return false;
    // x·1000 needs 63 bits of mantissa, which long double has.
    const long double scaled = static_cast<long double>(value) * 1000.0L;
    const long double nearest = std::nearbyint(scaled);
    const long double error = std::fabs(scaled - nearest);
    // Half a unit of the 16th significant digit of x, in thousandths, for
    // x from 10^(i-4); a margin below it covers the decimal literals.
    static constexpr std::array<double, 16> kPowers = {1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2, 1e3, 1e4,
                                                        1e5,  1e6,  1e7,  1e8, 1e9, 1e10, 1e11, 1e12};
    static constexpr std::array<long double, 16> kHalfUnits = {
        0,        0.5e-15L, 0.5e-14L, 0.5e-13L, 0.5e-12L, 0.5e-11L, 0.5e-10L, 0.5e-9L,
        0.5e-8L,  0.5e-7L,  0.5e-6L,  0.5e-5L,  0.5e-4L,  0.5e-3L,  0.5e-2L,  0.5e-1L};
    const auto power = std::upper_bound(kPowers.begin(), kPowers.end(), magnitude) - kPowers.begin();
    if (!(error < 0.99L * kHalfUnits[static_cast<std::size_t>(power)]))
        return false;
    auto thousandths = static_cast<long long>(nearest);
    if (thousandths < 0) {
        out += '-';
        thousandths = -thousandths;
    }
    std::array<char, 24> digits;
    out.append(digits.data(), std::to_chars(digits.data(), digits.data() + digits.size(), thousandths / 1000).ptr);
    int fraction = static_cast<int>(thousandths % 1000);
    if (fraction == 0)
        return true;
    char decimals[4] = {'.', static_cast<char>('0' + fraction / 100), static_cast<char>('0' + fraction / 10 % 10),
                        static_cast<char>('0' + fraction % 10)};
    int length = 4;
    while (decimals[length - 1] == '0')
        --length;
    out.append(decimals, static_cast<std::size_t>(length));
    return true;
}

}  // namespace

void appendNumber(std::string& out, double value, bool upper)
{
    if (appendThousandths(out, value))
        return;
    std::array<char, 32> buffer;
    constexpr int kDigits = 16;
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general,
                                   kDigits).ptr;
    for (char* p = buffer.data(); p != end; ++p)
        out += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(*p))) : *p;
}

void appendCellName(std::string& out, int row, int column)
{
    std::array<char, 4> letters;
    int count = 0;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        letters[static_cast<std::size_t>(count++)] = static_cast<char>('A' + (c - 1) % 26);
    while (count > 0)
        out += letters[static_cast<std::size_t>(--count)];
    std::array<char, 12> digits;
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), row + 1).ptr;
    out.append(digits.data(), end);
}

}  // namespace spreadsheet::io::XlsxText
