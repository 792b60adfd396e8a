#pragma once

#include "XlsxCell.h"

#include <spreadsheet/CellRange.h>

#include <spreadsheet/CellStyle.h>
#include <spreadsheet/Value.h>

#include <QByteArray>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace spreadsheet::io {

// What a sheet's view says; empty where the file says nothing.
struct XlsxViewFacts {
    std::optional<bool> gridLines;
    std::optional<bool> headers;
    std::optional<bool> formulas;
    std::optional<CellRange> selection;
};

// A sheet's page setup as the file gives it: lengths in inches, the header
// and footer in Excel's codes.
struct XlsxPageFacts {
    std::optional<double> left, right, top, bottom, header, footer;
    std::optional<int> paper, scale, fitWidth, fitHeight, firstPage;
    bool landscape = false;
    bool fitToPage = false;
    bool gridLines = false;
    bool headings = false;
    bool centerHorizontally = false;
    bool centerVertically = false;
    QString oddHeader;
    QString oddFooter;
};

// What one sheet part holds that is read here rather than by liborcus 0.17.
struct XlsxSheetExtras {
    QString name;
    std::vector<int> hiddenRows;
    std::vector<std::pair<int, double>> rowHeights;  // in points, of the rows liborcus is not given
    std::vector<std::pair<int, int>> hiddenColumns;  // first and last, inclusive
    XlsxCellPieces cells;
    std::vector<CellRange> merges;
    std::vector<int> pageBreaks;  // rows that start a page
    XlsxViewFacts view;
    XlsxPageFacts page;
    std::string part;                     // its name in the package
    std::optional<std::string> rowsOnly;  // the part without its cells, for liborcus
};

// What the workbook part says of calculation, references and tabs.
struct XlsxWorkbookFacts {
    std::optional<bool> manualCalculation;
    std::optional<bool> r1c1;
    std::optional<bool> tabsHidden;
};

// A defined name; sheet is the position of the sheet it belongs to, or -1
// for a name of the whole workbook.
struct XlsxDefinedName {
    QString name;
    QString reference;
    int sheet = -1;
};

// What a cell format (xf) says about locking, alignment and wrapping.
struct XlsxFormatFacts {
    bool locked = true;
    HorizontalAlignment alignment = HorizontalAlignment::General;
    VerticalAlignment vertical = VerticalAlignment::Bottom;
    bool wrap = false;
    bool operator==(const XlsxFormatFacts&) const = default;
};

// The styles of a font: "<u/>", "<strike/>", "<b/>" and "<i/>" mean on,
// and a val of "0" or "false" off.
struct XlsxFontFacts {
    bool underlined = false;
    bool struckOut = false;
    bool bold = false;
    bool italic = false;
};

// A second, light reading of the parts of an xlsx package for what the
// filter of liborcus 0.17 loses or gets wrong. The sheet list, the cells
// and the defined names are all read here: liborcus takes sheets by their
// id rather than their position, drops inline strings, error constants, ISO
// dates and names of one sheet, rounds numbers, reads phonetic text as the
// text and refuses some valid parts. It also loses font lines (strike-outs
// never, underlines only with an explicit kind, while "<u/>" alone means
// single), takes "<b val="0"/>" for bold, and loses hidden rows,
// hidden columns, unlocked cells and the 1904 date system written as
// "true"/"false" (it reads only "1"/"0", the form Excel uses, while
// LibreOffice writes the words), and the "fill" alignment. Vertical
// alignment is read here along with the horizontal one, and wrapping, which
// liborcus does not pass on.
class XlsxPackageScan {
public:
    // A part that is missing leaves its facts empty; one that does not
    // parse, or holds more formats than Excel allows, throws FileFormatError.
    explicit XlsxPackageScan(const QByteArray& bytes);

    bool uses1904Dates() const { return dates1904_; }
    // The file asks to be calculated when opened (fullCalcOnLoad), as
    // XlsxWriter's do, whose cached results may be placeholders.
    bool calculatesOnLoad() const { return calculateOnLoad_; }
    // In the order of the workbook's sheet list.
    const std::vector<XlsxSheetExtras>& sheets() const { return sheets_; }
    // Each cell format (xf), by index.
    const std::vector<XlsxFormatFacts>& formatFacts() const { return formats_; }
    // The lines of each font, by index.
    const std::vector<XlsxFontFacts>& fontFacts() const { return fonts_; }
    const std::vector<XlsxDefinedName>& names() const { return names_; }
    const XlsxWorkbookFacts& workbookFacts() const { return workbook_; }
    // The custom document properties holding text, by name.
    const std::map<QString, QString>& properties() const { return properties_; }
    // The workbook's relations name some part absolutely ("/xl/...").
    bool namesPartsAbsolutely() const { return absoluteTargets_; }

private:
    bool dates1904_ = false;
    bool absoluteTargets_ = false;
    bool calculateOnLoad_ = false;
    std::vector<XlsxDefinedName> names_;
    std::vector<XlsxSheetExtras> sheets_;
    std::vector<XlsxFormatFacts> formats_;
    std::vector<XlsxFontFacts> fonts_;
    XlsxWorkbookFacts workbook_;
    std::map<QString, QString> properties_;
};

}  // namespace spreadsheet::io
