#pragma once

#include <spreadsheet/CellStyle.h>
#include <spreadsheet/Value.h>

#include <QByteArray>

#include <map>
#include <utility>
#include <vector>

namespace spreadsheet::io {

// What one sheet part holds that liborcus 0.17 does not hand over.
struct XlsxSheetExtras {
    std::vector<int> hiddenRows;
    std::vector<std::pair<int, int>> hiddenColumns;  // first and last, inclusive
    std::map<std::pair<int, int>, Value> formulaResults;  // boolean and error results, by (row, column)
};

// What a cell format (xf) says about locking and horizontal alignment.
struct XlsxFormatFacts {
    bool locked = true;
    HorizontalAlignment alignment = HorizontalAlignment::General;
    bool operator==(const XlsxFormatFacts&) const = default;
};

// The lines of a font; "<u/>" and "<strike/>" mean on.
struct XlsxFontLines {
    bool underlined = false;
    bool struckOut = false;
};

// A second, light reading of the parts of an xlsx package for what the
// filter of liborcus 0.17 loses: boolean and error results of formulas
// (it reports neither), font lines (strike-outs never, underlines only with
// an explicit kind, while "<u/>" alone means single), and hidden rows,
// hidden columns, unlocked cells and the 1904 date system written as
// "true"/"false" (it reads only "1"/"0", the form Excel uses, while
// LibreOffice writes the words), and the "fill" alignment.
class XlsxPackageScan {
public:
    // A part that is missing or does not parse leaves its facts empty: the
    // main reading already decided whether the file is readable.
    explicit XlsxPackageScan(const QByteArray& bytes);

    bool uses1904Dates() const { return dates1904_; }
    // In the order of the workbook's sheet list.
    const std::vector<XlsxSheetExtras>& sheets() const { return sheets_; }
    // Each cell format (xf), by index.
    const std::vector<XlsxFormatFacts>& formatFacts() const { return formats_; }
    // The lines of each font, by index.
    const std::vector<XlsxFontLines>& fontLines() const { return fonts_; }

private:
    bool dates1904_ = false;
    std::vector<XlsxSheetExtras> sheets_;
    std::vector<XlsxFormatFacts> formats_;
    std::vector<XlsxFontLines> fonts_;
};

}  // namespace spreadsheet::io
