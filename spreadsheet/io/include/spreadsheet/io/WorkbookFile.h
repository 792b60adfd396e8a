#pragma once

#include "PrintSettings.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QIODevice;

namespace spreadsheet {
class Workbook;
}

namespace spreadsheet::io {

enum class FileFormat { Native, Xls, Xlsx, Unknown };

struct LoadedWorkbook {
    std::unique_ptr<Workbook> workbook;
    FileFormat format = FileFormat::Unknown;
    std::optional<PrintSettings> printSettings;  // native files, and xlsx files that say how they print
    std::vector<QString> warnings;
};

// Opening and saving workbook files. Formats are told apart by content,
// never by extension; saving always writes the native two-block file.
class WorkbookFile {
public:
    static FileFormat detect(const QByteArray& head);

    // Reads the workbook block (native, xls or xlsx) from the device's
    // position and leaves the device right after it. Throws FileFormatError.
    static LoadedWorkbook LoadFromStream(QIODevice& device);
    // The workbook and then, for native files, the print settings. Throws
    // FileFormatError with "Arquivo não é um formato válido: <path>".
    static LoadedWorkbook load(const QString& path);

    static void writeNative(const Workbook& workbook, QIODevice& device);
    // Writes a temporary file beside the target (links followed), keeping the
    // target's permissions, and renames it over the target only once it is
    // complete and flushed: a failure never leaves a damaged file behind.
    // Throws SpreadsheetError with the file system's reason.
    static void save(const Workbook& workbook, const PrintSettings& print, const QString& path);
};

}  // namespace spreadsheet::io
