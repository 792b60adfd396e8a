#pragma once

#include <spreadsheet/CellStyle.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/io/PrintSettings.h>

#include <QString>

#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace spreadsheet {
class Workbook;
}

namespace spreadsheet::io {

struct XlsxOwnSheetSettings {
    TriState gridLines = TriState::Default;
    TriState headers = TriState::Default;
    TriState showFormulas = TriState::Default;
    CellStyle defaultStyle;
};

struct XlsxOwnSettings {
    bool r1c1 = false;
    bool automaticCalculation = true;
    bool sheetTabsVisible = true;
    // By sheet name, case folded: a sheet moved or deleted in Excel keeps
    // its own settings, and one renamed there falls back to the defaults.
    std::map<QString, XlsxOwnSheetSettings> sheets;
    // Whole, but only what Excel's page setup cannot say is taken from here.
    PrintSettings print;
};

// What a template holds that Excel's markup cannot say, or libxlsxwriter
// cannot write: a sheet's own default style, headings and formulas shown,
// R1C1 references, manual calculation, hidden tabs, page numbering and the
// other print settings of our own. They travel as custom document
// properties, which Excel and LibreOffice keep through their own saves;
// each value is a short JSON object, under Excel's 255 characters.
class XlsxOwnProperties {
public:
    using Properties = std::vector<std::pair<QString, QString>>;

    static Properties write(const Workbook& workbook, const PrintSettings& print);
    // Nothing when the file carries none of them: it was not made here.
    static std::optional<XlsxOwnSettings> read(const std::map<QString, QString>& properties);
};

}  // namespace spreadsheet::io
