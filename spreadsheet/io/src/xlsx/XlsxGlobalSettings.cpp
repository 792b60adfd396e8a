#include "XlsxGlobalSettings.h"

namespace spreadsheet::io {

void XlsxGlobalSettings::set_origin_date(int year, int month, int day)
{
    uses1904_ = year == 1904 && month == 1 && day == 1;
}

}  // namespace spreadsheet::io
