#pragma once

#include <spreadsheet/CellRange.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <optional>

namespace spreadsheet {

// Holds recalculation back while an operation writes many cells, so that
// dependents are calculated once, however the operation ends.
class UpdateBatch {
public:
    explicit UpdateBatch(Workbook& workbook) : workbook_(workbook) { workbook_.beginUpdate(); }
    ~UpdateBatch() { workbook_.endUpdate(); }
    UpdateBatch(const UpdateBatch&) = delete;
    UpdateBatch& operator=(const UpdateBatch&) = delete;

private:
    Workbook& workbook_;
};

inline void checkArea(const CellRange& area)
{
    if (!area.isValid()) {
        throw SpreadsheetError(QStringLiteral("Área fora dos limites da planilha."));
    }
}

// The part of an area that holds content or styles; nothing when the area
// lies wholly beyond them.
inline std::optional<CellRange> usedPart(const Sheet& sheet, const CellRange& area)
{
    CellRange used = area;
    used.bottom = std::min(area.bottom, sheet.rowCount() - 1);
    used.right = std::min(area.right, sheet.columnCount() - 1);
    if (used.bottom < used.top || used.right < used.left) {
        return std::nullopt;
    }
    return used;
}

}  // namespace spreadsheet
