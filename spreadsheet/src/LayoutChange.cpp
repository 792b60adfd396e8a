#include "LayoutChange.h"

#include "Calculator.h"

#include <spreadsheet/History.h>
#include <spreadsheet/Workbook.h>

namespace spreadsheet {

namespace {

LayoutChange::Layout layoutOf(const SheetData& data)
{
    return {data.merges, data.rows, data.columns};
}

void assign(Workbook& workbook, int sheetId, const LayoutChange::Layout& layout)
{
    SheetData& data = workbook.sheetById(sheetId)->data();
    data.merges = layout.merges;
    data.rows = layout.rows;
    data.columns = layout.columns;
}

}  // namespace

void LayoutChange::undo(Workbook& workbook)
{
    assign(workbook, sheetId_, before_);
}

void LayoutChange::redo(Workbook& workbook)
{
    assign(workbook, sheetId_, after_);
}

std::size_t LayoutChange::memoryUsage() const
{
    const auto size = [](const Layout& l) {
        return l.merges.size() * sizeof(CellRange) + (l.rows.size() + l.columns.size()) * 48;
    };
    return sizeof(*this) + size(before_) + size(after_);
}

void LayoutChange::record(Sheet& sheet, const QString& description, const std::function<void()>& apply)
{
    History& history = sheet.workbook().history();
    HistoryScope scope(history, description);
    // Page breaks and hidden lines are read by some functions.
    sheet.workbook().calculator().noteChange();
    if (!history.isRecording()) {
        history.noteUnrecordedChange();
        apply();
        return;
    }
    Layout before = layoutOf(sheet.data());
    apply();
    history.record(std::make_unique<LayoutChange>(sheet.id(), std::move(before), layoutOf(sheet.data())));
}

}  // namespace spreadsheet
