#pragma once

#include "XlsxPackageScan.h"

#include <spreadsheet/io/PrintSettings.h>

struct lxw_worksheet;

namespace spreadsheet::io {

// The print settings that Excel's page setup can say, both ways. The same
// settings go to every sheet, since the workbook prints with one set.
class XlsxPageSetup {
public:
    // `screenGridLines`: the sheet shows its grid, which shares the option.
    static void write(lxw_worksheet* sheet, const PrintSettings& print, bool screenGridLines);
    // Takes from the page setup what it says over `base`; the header and
    // footer only when `keepTexts` is false, since Excel's codes hold less.
    static PrintSettings read(const XlsxPageFacts& page, PrintSettings base, bool keepTexts);
    // Whether the sheet says anything of its page setup at all.
    static bool isGiven(const XlsxPageFacts& page);
};

}  // namespace spreadsheet::io
