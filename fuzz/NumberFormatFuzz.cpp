// Feeds arbitrary number format codes and values to the engine's format
// reader and writer, as codes arrive from a workbook file, a pasted block or
// TEXT(): formatting never refuses, so it must always end with a text. The
// first byte chooses the locale and the kind of value: a number (the next 8
// bytes), a text (after the code's first NUL), a logical value or an error.
#include "FormatCode.h"
#include "NumberFormat.h"

#include <spreadsheet/Value.h>

#include "FuzzInput.h"

#include <QLocale>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) {
        return 0;
    }
    const std::uint8_t choice = data[0];
    ++data;
    --size;
    spreadsheet::Value value;
    QString code;
    switch (choice & 3) {
    case 0: {
        double number = 0.0;
        if (size < sizeof number) {
            return 0;
        }
        std::memcpy(&number, data, sizeof number);
        value = number;
        code = fuzz::utf8(data + sizeof number, size - sizeof number);
        break;
    }
    case 1: {
        const auto* end = static_cast<const std::uint8_t*>(std::memchr(data, 0, size));
        const std::size_t length = end ? std::size_t(end - data) : size;
        code = fuzz::utf8(data, length);
        value = end ? fuzz::utf8(end + 1, size - length - 1) : QString();
        break;
    }
    case 2:
        value = spreadsheet::Value::boolean(choice & 8);
        code = fuzz::utf8(data, size);
        break;
    default:
        value = spreadsheet::Value::error(spreadsheet::ErrorCode::Value);
        code = fuzz::utf8(data, size);
        break;
    }
    spreadsheet::FormatCode::parse(code);
    spreadsheet::NumberFormat::isValid(code);
    spreadsheet::NumberFormat::isDateFormat(code);
    spreadsheet::NumberFormat::format(value, code, fuzz::locale((choice & 4) != 0));
    return 0;
}
