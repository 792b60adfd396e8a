#include "XlsxFormulaTable.h"

#include "ExcelFormula.h"
#include "SharedFormulaExpander.h"

#include <spreadsheet/io/ImportSink.h>

#include <algorithm>
#include <memory>

namespace spreadsheet::io {

void XlsxFormulaTable::add(XlsxFormulaCell cell)
{
    cell.text = ExcelFormula::fromExcel(cell.text);
    cells_.push_back(std::move(cell));
}

void XlsxFormulaTable::reviveErrors()
{
    for (XlsxFormulaCell& cell : cells_) {
        // Most results are numbers: the formula's text is looked at only
        // for a text that names an error.
        ErrorCode code{};
        if (!cell.cached.isText() || !parseErrorText(cell.cached.text(), code)) {
            continue;
        }
        const QString text = cell.text.trimmed();
        if (!text.startsWith(u'"') && !text.startsWith(QStringLiteral("=\""))) {
            cell.cached = Value::error(code);
        }
    }
}

bool XlsxFormulaTable::lacksResults() const
{
    return std::any_of(cells_.begin(), cells_.end(), [](const XlsxFormulaCell& cell) { return cell.cached.isEmpty(); });
}

void XlsxFormulaTable::flush(ImportSink& sink, const std::vector<QString>& sheetNames)
{
    sink.expectFormulas(cells_.size());
    // Shared groups are numbered per sheet.
    std::map<std::pair<int, std::size_t>, const XlsxFormulaCell*> masters;
    for (const XlsxFormulaCell& cell : cells_) {
        if (cell.sharedIndex && !cell.text.isEmpty()) {
            masters.emplace(std::make_pair(cell.sheet, *cell.sharedIndex), &cell);
        }
    }
    std::unique_ptr<SharedFormulaExpander> expander;
    for (const XlsxFormulaCell& cell : cells_) {
        if (!cell.text.isEmpty() && cell.arrayArea) {
            sink.setArrayFormula(cell.sheet, *cell.arrayArea, cell.text, cell.cached, cell.spills);
            continue;
        }
        if (!cell.text.isEmpty()) {
            sink.setFormula(cell.sheet, cell.row, cell.column, cell.text, cell.cached);
            continue;
        }
        const auto master = cell.sharedIndex ? masters.find({cell.sheet, *cell.sharedIndex}) : masters.end();
        if (master == masters.end()) {
            sink.setValue(cell.sheet, cell.row, cell.column, cell.cached);
            continue;
        }
        if (!expander) {
            expander = std::make_unique<SharedFormulaExpander>(sheetNames);
        }
        const XlsxFormulaCell& m = *master->second;
        const std::optional<QString> text = expander->expand(m.text, {m.row, m.column}, {cell.row, cell.column});
        if (text) {
            sink.setFormula(cell.sheet, cell.row, cell.column, *text, cell.cached);
        } else {
            sink.setValue(cell.sheet, cell.row, cell.column, cell.cached);
        }
    }
    cells_.clear();
}

}  // namespace spreadsheet::io
