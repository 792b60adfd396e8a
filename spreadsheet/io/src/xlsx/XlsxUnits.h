#pragma once

namespace spreadsheet::io {

// Sizes in an xlsx file come in points (row heights) and in widths of the
// default font's widest digit (column widths); the workbook keeps whole
// screen pixels at 96 dpi. Both give -1 for a negative or absurd size.

// At 96 dpi a pixel is three quarters of a point (rows are sized in points).
inline constexpr double kPointsPerPixel = 0.75;

// Excel's own rounding of a column width, cell padding included.
int digitWidthPixels(double width);
// A length given in a unit that is pixelsPerUnit pixels long.
int lengthPixels(double length, double pixelsPerUnit);

}  // namespace spreadsheet::io
