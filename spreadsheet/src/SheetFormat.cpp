#include <spreadsheet/Sheet.h>

#include "CellWriter.h"
#include "SheetData.h"
#include "SheetEditing.h"
#include "StylePool.h"

#include <spreadsheet/History.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <unordered_map>

namespace spreadsheet {

namespace {

// Every formatted cell is stored and kept for undo, so a whole-sheet
// selection would exhaust memory long before it finished.
constexpr long long kMaxFormattedCells = 1'000'000;

CellKind kindOf(const Value& value)
{
    switch (value.type()) {
    case ValueType::Number:
        return CellKind::Number;
    case ValueType::Text:
        return CellKind::Text;
    case ValueType::Boolean:
        return CellKind::Boolean;
    case ValueType::Error:
        return CellKind::Error;
    case ValueType::Empty:
    case ValueType::Array:
        break;
    }
    return CellKind::Empty;
}

// Positions of the existing cells of an area that pass a test, gathered
// before any of them is written: the store must not change while walked.
template <typename Test>
std::vector<CellAddress> cellsWhere(const Sheet& sheet, const CellRange& area, Test&& test)
{
    std::vector<CellAddress> found;
    sheet.data().cells.forEach(area, [&](int row, int column, const Cell& cell) {
        if (test(cell)) {
            found.push_back({row, column});
        }
    });
    return found;
}

// Writes new content to each listed cell as one action; `content` gets the
// cell as it is and gives what replaces it.
template <typename Content>
void rewrite(Sheet& sheet, const std::vector<CellAddress>& cells, const QString& description, Content&& content)
{
    if (cells.empty()) {
        return;
    }
    UpdateBatch batch(sheet.workbook());
    HistoryScope scope(sheet.workbook().history(), description);
    for (const CellAddress& at : cells) {
        CellWriter::write(sheet, at.row, at.column, content(*sheet.data().cells.find(at.row, at.column)), description);
    }
}

CellSnapshot constantOf(const Cell& cell)
{
    CellSnapshot s;
    s.value = cell.value();
    s.kind = kindOf(s.value);
    s.style = cell.style;
    return s;
}

CellSnapshot styleOnly(const Cell& cell)
{
    CellSnapshot s;
    s.style = cell.style;
    return s;
}

}  // namespace

void Sheet::formatCells(const CellRange& area, const std::function<void(CellStyle&)>& change)
{
    checkArea(area);
    if (static_cast<long long>(area.rowCount()) * area.columnCount() > kMaxFormattedCells) {
        throw SpreadsheetError(QStringLiteral("Área grande demais para formatar."));
    }
    const QString description = QStringLiteral("Formatar células");
    std::unordered_map<std::uint32_t, std::uint32_t> changed;  // style id before -> after
    UpdateBatch batch(workbook_);
    HistoryScope scope(workbook_.history(), description);
    for (int column = area.left; column <= area.right; ++column) {
        for (int row = area.top; row <= area.bottom; ++row) {
            const Cell* cell = data_->cells.find(row, column);
            const std::uint32_t before = cell ? cell->style : 0;
            auto it = changed.find(before);
            if (it == changed.end()) {
                CellStyle style = styleOf(*this, before);
                change(style);
                it = changed.emplace(before, styleIdOn(*this, style)).first;
            }
            if (it->second != before) {
                CellWriter::writeStyle(*this, row, column, it->second, description);
            }
        }
    }
}

void Sheet::freezeFormulas(const CellRange& area)
{
    checkArea(area);
    const auto formulas = cellsWhere(*this, area, [](const Cell& c) { return c.kind == CellKind::Formula; });
    rewrite(*this, formulas, QStringLiteral("Converter em valores"), constantOf);
}

void Sheet::clearValues(const CellRange& area)
{
    checkArea(area);
    const auto filled = cellsWhere(*this, area, [](const Cell& c) { return c.kind != CellKind::Empty; });
    rewrite(*this, filled, QStringLiteral("Limpar conteúdo"), styleOnly);
}

void Sheet::clearCells(const CellRange& area)
{
    checkArea(area);
    const auto existing = cellsWhere(*this, area, [](const Cell&) { return true; });
    rewrite(*this, existing, QStringLiteral("Limpar"), [](const Cell&) { return CellSnapshot{}; });
}

}  // namespace spreadsheet
