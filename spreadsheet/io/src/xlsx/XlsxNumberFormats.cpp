#include "XlsxNumberFormats.h"

#include <array>

namespace spreadsheet::io {

namespace {

struct BuiltinFormat {
    std::size_t id;
    const char* code;
};

// Id 14 is "the short date of the user's locale"; the system's users read
// dates day first, so it becomes dd/mm/yyyy rather than Excel's US m/d/yy.
constexpr std::array<BuiltinFormat, 28> kBuiltins{{
    {1, "0"},
    {2, "0.00"},
    {3, "#,##0"},
    {4, "#,##0.00"},
    {9, "0%"},
    {10, "0.00%"},
    {11, "0.00E+00"},
    {12, "# ?/?"},
    {13, "# ??/??"},
    {14, "dd/mm/yyyy"},
    {15, "d-mmm-yy"},
    {16, "d-mmm"},
    {17, "mmm-yy"},
    {18, "h:mm AM/PM"},
    {19, "h:mm:ss AM/PM"},
    {20, "h:mm"},
    {21, "h:mm:ss"},
    {22, "dd/mm/yyyy h:mm"},
    {37, "#,##0 ;(#,##0)"},
    {38, "#,##0 ;[Red](#,##0)"},
    {39, "#,##0.00;(#,##0.00)"},
    {40, "#,##0.00;[Red](#,##0.00)"},
    {45, "mm:ss"},
    {46, "[h]:mm:ss"},
    {47, "mm:ss.0"},
    {48, "##0.0E+0"},
    {49, "@"},
    {0, ""},
}};

}  // namespace

QString builtinNumberFormat(std::size_t id)
{
    for (const BuiltinFormat& format : kBuiltins) {
        if (format.id == id) {
            return QString::fromLatin1(format.code);
        }
    }
    return {};
}

}  // namespace spreadsheet::io
