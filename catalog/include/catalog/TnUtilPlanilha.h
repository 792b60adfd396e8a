#pragma once

#include <spreadsheet/CellRange.h>

#include <QString>

namespace spreadsheet {
class Sheet;
}

namespace catalog {

// Column letters and reference texts for what the user has selected.
class TnUtilPlanilha {
public:
    // Bijective base 26 (0 -> A, 26 -> AA), or index + 1 in numeric style.
    static QString ColumnNameByIndex(int index, bool numericStyle);
    // B5, or A1 x C10 / A1:C10 for an area; with useNames, a defined name
    // whose last reference is exactly this area of this sheet.
    static QString CellsNameByRef(const spreadsheet::Sheet& view, const spreadsheet::CellRange& area, bool useNames);
};

}  // namespace catalog
