#pragma once

#include "Change.h"
#include "SheetData.h"

#include <QString>

#include <functional>

namespace spreadsheet {

class Sheet;

// Merged areas and row and column formats of one sheet, before and after an
// action: what cell snapshots do not cover.
class LayoutChange : public Change {
public:
    struct Layout {
        std::vector<CellRange> merges;
        std::map<int, LineFormat> rows;
        std::map<int, LineFormat> columns;
    };

    LayoutChange(int sheetId, Layout before, Layout after)
        : sheetId_(sheetId), before_(std::move(before)), after_(std::move(after))
    {
    }
    void undo(Workbook& workbook) override;
    void redo(Workbook& workbook) override;
    std::size_t memoryUsage() const override;

    // Runs `apply` as (part of) an action, recording the layout it changes.
    static void record(Sheet& sheet, const QString& description, const std::function<void()>& apply);

private:
    int sheetId_;
    Layout before_;
    Layout after_;
};

}  // namespace spreadsheet
