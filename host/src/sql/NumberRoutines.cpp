#include "host/NumberRoutines.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace host {

namespace {

// A double holds 15 significant decimal digits faithfully; what lies beyond
// them is the noise of binary arithmetic.
constexpr int significantDigits = 15;

}  // namespace

double TruncateValor(double value, int decimals)
{
    if (!std::isfinite(value) || value == 0.0) {
        return value;
    }
    // "-d.dddddddddddddde+XX": the sign, 15 digits and the decimal exponent.
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, significantDigits - 1);
    const std::string text(buffer, written.ptr);
    const bool negative = text.front() == '-';
    const std::string digits = text.substr(negative ? 1 : 0, 1) + text.substr(negative ? 3 : 2, significantDigits - 1);
    const int exponent = std::atoi(text.c_str() + text.find('e') + 1);
    // Digits to keep: those before the point plus the wanted decimals.
    const int keep = exponent + 1 + decimals;
    if (keep <= 0) {
        return 0.0;
    }
    const int kept = std::min(keep, significantDigits);
    const std::string truncated =
        (negative ? "-" : "") + digits.substr(0, kept) + "e" + std::to_string(exponent + 1 - kept);
    double result = 0.0;
    std::from_chars(truncated.data(), truncated.data() + truncated.size(), result);
    return result;
}

}  // namespace host
