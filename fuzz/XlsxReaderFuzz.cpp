// Feeds arbitrary bytes to the .xlsx reader: whatever the input, reading must
// end with a workbook or with a refusal, never with a crash, a hang or an
// unbounded allocation. The workbook is calculated, so the formulas the
// reader decoded are exercised as well.
#include "xlsx/XlsxReader.h"

#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>
#include <spreadsheet/io/FileFormatError.h>
#include <spreadsheet/io/WorkbookBuilder.h>

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    spreadsheet::io::WorkbookBuilder builder;
    try {
        spreadsheet::io::XlsxReader::read(bytes, builder);
        builder.finish()->calculate();
    } catch (const spreadsheet::io::FileFormatError&) {
        // refused: fine
    } catch (const spreadsheet::SpreadsheetError&) {
        // refused by the workbook (a sheet, name or cell it cannot hold): fine
    }
    return 0;
}
