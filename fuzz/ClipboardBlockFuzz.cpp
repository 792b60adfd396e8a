// Feeds arbitrary bytes to the clipboard block's byte form, as another
// process's clipboard hands them over: reading must end with a block or with
// a refusal. A block that was read must write bytes that read back to the
// same block, and pasting it into a fresh workbook and calculating must end
// with values (or a refusal to paste), never with a crash.
#include <spreadsheet/ClipboardBlock.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    spreadsheet::ClipboardBlock block;
    try {
        block = spreadsheet::ClipboardBlock::fromBytes(bytes);
    } catch (const spreadsheet::SpreadsheetError&) {
        return 0;  // refused: fine
    }
    const QByteArray written = block.toBytes();
    // The block's own bytes must read back, and to the same block.
    if (spreadsheet::ClipboardBlock::fromBytes(written).toBytes() != written) {
        std::abort();
    }
    spreadsheet::Workbook workbook;
    spreadsheet::Sheet& sheet = workbook.addSheet(QStringLiteral("Plan1"));
    workbook.addSheet(QStringLiteral("Plan2"));
    try {
        block.paste(sheet, 0, 0);
        block.paste(sheet, 1, 1);
    } catch (const spreadsheet::SpreadsheetError&) {
        // too large for the sheet, or over a merged area it brought: fine
    }
    workbook.calculate();
    return 0;
}
