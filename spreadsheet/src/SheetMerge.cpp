#include <spreadsheet/Sheet.h>

#include "CellWriter.h"
#include "LayoutChange.h"
#include "SheetData.h"
#include "SheetEditing.h"

#include <spreadsheet/History.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <algorithm>

namespace spreadsheet {

namespace {

const QString kMerging = QStringLiteral("Mesclar células");
const QString kSplitting = QStringLiteral("Desfazer mesclagem");

bool inside(const CellRange& inner, const CellRange& outer)
{
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top
           && inner.bottom <= outer.bottom;
}

void replaceMerges(Sheet& sheet, const QString& description, std::vector<CellRange> merges)
{
    LayoutChange::record(sheet, description, [&] { sheet.data().merges = std::move(merges); });
}

void checkNoCrossing(const std::vector<CellRange>& merges, const CellRange& area)
{
    for (const CellRange& merge : merges) {
        if (merge.intersects(area) && !inside(merge, area)) {
            throw SpreadsheetError(QStringLiteral("Não é possível mesclar: a área cruza outra área mesclada."));
        }
    }
}

// Only the top-left cell keeps its content; the others keep their styles.
void clearCoveredValues(Sheet& sheet, const CellRange& area)
{
    std::vector<CellAddress> covered;
    sheet.data().cells.forEach(area, [&](int row, int column, const Cell& cell) {
        if (cell.kind != CellKind::Empty && !(row == area.top && column == area.left)) {
            covered.push_back({row, column});
        }
    });
    for (const CellAddress& at : covered) {
        CellSnapshot emptied;
        emptied.style = sheet.data().cells.find(at.row, at.column)->style;
        CellWriter::write(sheet, at.row, at.column, std::move(emptied), kMerging);
    }
}

}  // namespace

void Sheet::mergeCells(const CellRange& area)
{
    checkArea(area);
    if (area.isSingleCell()) {
        return;
    }
    checkNoCrossing(data_->merges, area);
    std::vector<CellRange> merges = data_->merges;
    if (std::ranges::find(merges, area) != merges.end()) {
        return;
    }
    std::erase_if(merges, [&area](const CellRange& merge) { return inside(merge, area); });
    merges.push_back(area);
    UpdateBatch batch(workbook_);
    HistoryScope scope(workbook_.history(), kMerging);
    clearCoveredValues(*this, area);
    replaceMerges(*this, kMerging, std::move(merges));
}

void Sheet::splitCells(const CellRange& area)
{
    checkArea(area);
    std::vector<CellRange> merges = data_->merges;
    if (std::erase_if(merges, [&area](const CellRange& merge) { return merge.intersects(area); }) == 0) {
        return;
    }
    replaceMerges(*this, kSplitting, std::move(merges));
}

const std::vector<CellRange>& Sheet::mergedAreas() const
{
    return data_->merges;
}

const CellRange* Sheet::mergedAreaAt(int row, int column) const
{
    const auto it = std::ranges::find_if(data_->merges, [&](const CellRange& m) { return m.contains(row, column); });
    return it == data_->merges.end() ? nullptr : &*it;
}

}  // namespace spreadsheet
