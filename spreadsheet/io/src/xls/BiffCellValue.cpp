#include "BiffCellValue.h"

#include <array>
#include <cstring>

namespace spreadsheet::io::xls {

namespace {

constexpr std::uint32_t kRkDividedBy100 = 0x01;
constexpr std::uint32_t kRkInteger = 0x02;

struct ErrorCodeEntry {
    std::uint8_t code;
    ErrorCode error;
};

constexpr std::array<ErrorCodeEntry, 7> kErrorCodes{{
    {0x00, ErrorCode::Null}, {0x07, ErrorCode::Div0}, {0x0F, ErrorCode::Value}, {0x17, ErrorCode::Ref},
    {0x1D, ErrorCode::Name}, {0x24, ErrorCode::Num}, {0x2A, ErrorCode::NA},
}};

// Kinds of cached result marked by 0xFFFF in the top two bytes.
enum class ResultKind : std::uint8_t { String = 0, Boolean = 1, Error = 2, EmptyString = 3 };

}  // namespace

double BiffCellValue::rk(std::uint32_t value)
{
    double number = 0.0;
    if (value & kRkInteger) {
        // Arithmetic shift keeps the sign of the 30-bit integer.
        number = static_cast<double>(static_cast<std::int32_t>(value) >> 2);
    } else {
        const std::uint64_t bits = static_cast<std::uint64_t>(value & 0xFFFFFFFCu) << 32;
        std::memcpy(&number, &bits, sizeof number);
    }
    return (value & kRkDividedBy100) ? number / 100.0 : number;
}

bool BiffCellValue::error(std::uint8_t code, ErrorCode& out)
{
    for (const ErrorCodeEntry& e : kErrorCodes) {
        if (e.code == code) {
            out = e.error;
            return true;
        }
    }
    return false;
}

Value BiffCellValue::formulaResult(std::span<const std::uint8_t, 8> bytes, bool& awaitsString)
{
    awaitsString = false;
    if (bytes[6] != 0xFF || bytes[7] != 0xFF) {
        std::uint64_t bits = 0;
        for (int i = 7; i >= 0; --i) {
            bits = (bits << 8) | bytes[static_cast<std::size_t>(i)];
        }
        double number = 0.0;
        std::memcpy(&number, &bits, sizeof number);
        return Value(number);
    }
    switch (static_cast<ResultKind>(bytes[0])) {
    case ResultKind::String:
        awaitsString = true;
        return Value(QString());
    case ResultKind::Boolean:
        return Value::boolean(bytes[2] != 0);
    case ResultKind::Error: {
        ErrorCode code = ErrorCode::NA;
        error(bytes[2], code);
        return Value::error(code);
    }
    case ResultKind::EmptyString:
        return Value(QString());
    }
    return Value();
}

}  // namespace spreadsheet::io::xls
