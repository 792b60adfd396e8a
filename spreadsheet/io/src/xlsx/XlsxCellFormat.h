#pragma once

#include <spreadsheet/CellStyle.h>

namespace spreadsheet::io {

// One cell format of an xlsx file as the workbook can hold it. The workbook
// keeps only left and top borders, so the right and bottom ones travel
// apart until they are moved to the neighbouring cells.
struct XlsxCellFormat {
    CellStyle style;
    BorderLine right = BorderLine::None;
    BorderLine bottom = BorderLine::None;
    CellColor rightColor;
    CellColor bottomColor;
};

}  // namespace spreadsheet::io
