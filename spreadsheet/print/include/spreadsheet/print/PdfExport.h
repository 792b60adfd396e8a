#pragma once

#include <spreadsheet/io/PrintSettings.h>

#include <QString>

#include <vector>

namespace spreadsheet {
class Sheet;
}

namespace spreadsheet::print {

// Sheets printed to a PDF file, each starting on a new page, with the text
// as text and the fonts embedded. The file is written whole or not at all.
class PdfExport {
public:
    // Returns the number of pages written. Throws SpreadsheetError when the
    // file cannot be written or when no sheet has anything to print.
    static int write(const QString& path, const std::vector<const Sheet*>& sheets, const io::PrintSettings& settings,
                     const QString& title);
};

}  // namespace spreadsheet::print
