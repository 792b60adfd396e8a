// Feeds arbitrary bytes to the .xls reader: whatever the input, reading must
// end with a workbook or with a refusal, never with a crash, a hang or an
// unbounded allocation. The builder parses the formulas the reader wrote, so
// the decoded formula text is exercised as well.
//
// An input whose first byte is odd is read as a bare workbook stream (the
// rest of the input), so that mutations reach the record reader instead of
// mostly breaking the container around it.
#include "xls/XlsReader.h"

#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>
#include <spreadsheet/io/FileFormatError.h>
#include <spreadsheet/io/WorkbookBuilder.h>

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const bool bareStream = size > 0 && (data[0] & 1) != 0;
    const QByteArray bytes = bareStream
                                 ? QByteArray::fromRawData(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1))
                                 : QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    spreadsheet::io::WorkbookBuilder builder;
    try {
        if (bareStream) {
            spreadsheet::io::XlsReader::readStream(bytes, builder);
        } else {
            spreadsheet::io::XlsReader::read(bytes, builder);
        }
        builder.finish()->calculate();
    } catch (const spreadsheet::io::FileFormatError&) {
        // refused: fine
    } catch (const spreadsheet::SpreadsheetError&) {
        // refused by the workbook (a sheet, name or cell it cannot hold): fine
    }
    return 0;
}
