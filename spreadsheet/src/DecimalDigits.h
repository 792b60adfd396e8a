#pragma once

#include <string>

namespace spreadsheet {

// A double seen the way a spreadsheet user sees it: at most 15 significant
// decimal digits. Rounding on these digits rather than on the binary value
// makes 2.675 round to 2.68 although the nearest double is 2.67499999...
class DecimalDigits {
public:
    enum class Rounding { HalfAwayFromZero, AwayFromZero, TowardZero };

    explicit DecimalDigits(double value);

    // Keeps `decimals` places after the point (negative: before it). False
    // when the value already had no more places, so nothing changed.
    bool round(int decimals, Rounding mode);

    double toDouble() const;
    bool isZero() const { return digits_.empty(); }
    bool isNegative() const { return negative_; }

    // Power of ten of the leading digit: 2 for 345.6, -2 for 0.0123.
    int leadingExponent() const { return point_ - 1; }
    // Moves the decimal point: the value times 10^shift.
    void scale(int shift);

    // The digits before the point, without leading zeros ("" for 0.5).
    std::string integerDigits() const;
    // The first `count` digits after the point, padded with zeros.
    std::string fractionDigits(int count) const;
    // Digits after the point without trailing zeros.
    int fractionLength() const;

private:
    void trimZeros();

    std::string digits_;  // significant digits, no leading or trailing zeros
    int point_ = 0;       // value = 0.d1d2d3... x 10^point_
    bool negative_ = false;
};

}  // namespace spreadsheet
