#include "XlsxUnits.h"

#include <cmath>

namespace spreadsheet::io {

namespace {

// Excel measures columns with the widest digit of its default fonts
// (Calibri 11, Arial 10), which is 7 pixels at 96 dpi.
constexpr double kDigitPixels = 7.0;
constexpr double kLargestLength = 1e6;

bool plausible(double length)
{
    return length >= 0.0 && length <= kLargestLength;
}

}  // namespace

int digitWidthPixels(double width)
{
    if (!plausible(width)) {
        return -1;
    }
    const double padding = std::trunc(128.0 / kDigitPixels);
    return static_cast<int>(std::trunc((256.0 * width + padding) / 256.0 * kDigitPixels));
}

int lengthPixels(double length, double pixelsPerUnit)
{
    return plausible(length) && plausible(pixelsPerUnit) ? static_cast<int>(std::lround(length * pixelsPerUnit)) : -1;
}

}  // namespace spreadsheet::io
