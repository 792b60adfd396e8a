// Feeds arbitrary bytes to the workbook file reader: it must load them or
// refuse them with FileFormatError, and never crash or allocate without bound.
#include <spreadsheet/io/FileFormatError.h>
#include <spreadsheet/io/WorkbookFile.h>
#include <spreadsheet/Workbook.h>

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        spreadsheet::io::LoadedWorkbook loaded = spreadsheet::io::WorkbookFile::LoadFromStream(buffer);
        spreadsheet::io::PrintSettings settings;
        spreadsheet::io::PrintSettings::read(buffer, settings);
        loaded.workbook->calculate();
    } catch (const spreadsheet::SpreadsheetError&) {
        // Refused: what the reader must do with bad input.
    }
    return 0;
}
