#pragma once

#include <QChar>

class QIODevice;

namespace spreadsheet {
class Sheet;
}

namespace spreadsheet::io {

// One sheet as delimited text for Excel and other tools: UTF-8 with a byte
// order mark (without it Excel decodes the file in the ANSI code page and
// garbles every accented letter), one line per row from the first row to
// the last one with content, each line as wide as the widest, "\r\n" after
// every line. Fields hold the cells as shown (number formats, the locale's
// decimal comma); a field holding the separator, a quote or a line break is
// quoted, with its quotes doubled.
class CsvWriter {
public:
    // Throws SpreadsheetError when the device refuses the text.
    static void write(const Sheet& sheet, QIODevice& out, QChar separator = u';');
};

}  // namespace spreadsheet::io
