#pragma once

#include "XlsxOwnProperties.h"
#include "XlsxPackageScan.h"

#include <optional>

namespace spreadsheet::io {

class ImportSink;

// Hands a sink the view, breaks, default styles, workbook options and print
// settings of an xlsx package: what Excel's own markup says, refined by our
// own document properties where the markup cannot tell (a sheet whose grid
// is shown because the user asked, and not by default). The markup wins
// where both speak, since Excel may have changed it after we wrote it.
class XlsxSettingsReader {
public:
    explicit XlsxSettingsReader(const XlsxPackageScan& scan);

    // Before any cell: cells equal to their sheet's default then hold none.
    void readDefaultStyles(ImportSink& sink, const CellStyle& fileDefault) const;
    void read(int activeSheet, ImportSink& sink) const;
    // Our own sheets say their default; in any other file it is the file's
    // default format, which its empty cells show.
    CellStyle defaultStyle(std::size_t sheet, const CellStyle& fileDefault) const
    {
        return own(sheet) ? own(sheet)->defaultStyle : fileDefault;
    }
    // The package carries our own properties: we wrote it, with results.
    bool isOurs() const { return own_.has_value(); }

private:
    const XlsxOwnSheetSettings* own(std::size_t sheet) const;
    void readSheet(std::size_t sheet, ImportSink& sink) const;
    void readPrint(int activeSheet, ImportSink& sink) const;

    const XlsxPackageScan& scan_;
    std::optional<XlsxOwnSettings> own_;
};

}  // namespace spreadsheet::io
