#pragma once

#include "Formula.h"
#include "SheetData.h"

#include <spreadsheet/CellStyle.h>
#include <spreadsheet/Value.h>

#include <QString>

#include <map>
#include <memory>
#include <vector>

namespace spreadsheet {

class Workbook;

// The content of a clipboard block; positions are relative to its area.
struct ClipboardData {
    struct Entry {
        int row;
        int column;
        std::uint32_t style;  // index into styles
        CellKind kind;
        Value value;
        std::unique_ptr<Formula> formula;  // as it stood at the source
    };

    CellRange source;          // where the block was copied from
    int sourceSheetId = -1;
    const Workbook* sourceWorkbook = nullptr;  // not kept in bytes
    bool cut = false;
    std::vector<Entry> cells;
    std::vector<CellStyle> styles;
    std::map<int, QString> sheetNames;  // sheets that formulas name, by id
    std::vector<CellRange> merges;
    std::map<int, LineFormat> rows;
    std::map<int, LineFormat> columns;
};

}  // namespace spreadsheet
