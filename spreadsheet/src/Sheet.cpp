#include <spreadsheet/Sheet.h>

#include "Calculator.h"
#include "CellText.h"
#include "CellWriter.h"
#include "LayoutChange.h"
#include "FormulaParser.h"
#include "FormulaWriter.h"
#include "NumberFormat.h"
#include "SheetData.h"
#include "StylePool.h"

#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <QLocale>

namespace spreadsheet {

namespace {

constexpr int kDefaultRowHeight = 17;
constexpr int kDefaultColumnWidth = 64;

void checkCell(int row, int column)
{
    if (!CellAddress{row, column}.isValid()) {
        throw SpreadsheetError(QStringLiteral("Célula fora dos limites da planilha: linha %1, coluna %2.")
                                   .arg(row + 1)
                                   .arg(column + 1));
    }
}

}  // namespace

Sheet::Sheet(Workbook& workbook, int id, QString name)
    : workbook_(workbook), id_(id), name_(std::move(name)), data_(std::make_unique<SheetData>())
{
}

Sheet::~Sheet() = default;

void Sheet::setName(const QString& name)
{
    workbook_.renameSheet(workbook_.indexOf(*this), name);
}

bool Sheet::isSpilled(int row, int column) const
{
    if (data_->spills.empty()) {
        return false;
    }
    const Cell* cell = data_->cells.find(row, column);
    return (!cell || cell->kind == CellKind::Empty) && data_->spills.valueAt(row, column);
}

bool Sheet::hasCell(int row, int column) const
{
    return data_->cells.find(row, column) != nullptr;
}

bool Sheet::isFormula(int row, int column) const
{
    const Cell* cell = data_->cells.find(row, column);
    return cell && cell->kind == CellKind::Formula;
}

Value Sheet::value(int row, int column) const
{
    const Cell* cell = data_->cells.find(row, column);
    if (!cell || cell->kind == CellKind::Empty) {
        const Value* spilled = data_->spills.valueAt(row, column);
        return spilled ? *spilled : Value();
    }
    return cell->value();
}

QString Sheet::text(int row, int column) const
{
    const Cell* cell = data_->cells.find(row, column);
    if (!cell) {
        return {};
    }
    if (cell->kind == CellKind::Formula) {
        return FormulaWriter(workbook_).write(*cell->formula, {row, column});
    }
    return editText(cell->value());
}

QString Sheet::displayText(int row, int column) const
{
    return displayText(row, column, QLocale());
}

QString Sheet::displayText(int row, int column, const QLocale& locale) const
{
    const Cell* cell = data_->cells.find(row, column);
    const Value v = value(row, column);
    if (v.isError()) {
        return errorText(v.error());
    }
    return NumberFormat::format(v, styleOf(*this, cell ? cell->style : 0).numberFormat, locale);
}

QString Sheet::formulaError(int row, int column) const
{
    const Cell* cell = data_->cells.find(row, column);
    if (!cell || cell->kind != CellKind::Formula || cell->formula->isValid()) {
        return {};
    }
    return cell->formula->extras()->parseError;
}

namespace {

const QString kTyping = QStringLiteral("Digitar");
const QString kClearing = QStringLiteral("Limpar");

}  // namespace

void Sheet::setText(int row, int column, const QString& text, TextMode mode)
{
    checkCell(row, column);
    if (mode == TextMode::Recognize && text.size() > 1 && text.startsWith(u'=')) {
        CellSnapshot content;
        content.kind = CellKind::Formula;
        content.formula = FormulaParser(workbook_).parse(text);
        const Cell* cell = data_->cells.find(row, column);
        content.style = cell ? cell->style : 0;
        CellWriter::write(*this, row, column, std::move(content), kTyping);
        return;
    }
    if (text.isEmpty()) {
        setValue(row, column, Value());
        return;
    }
    setValue(row, column, mode == TextMode::Recognize ? recognizeConstant(text) : Value(text));
}

void Sheet::setValue(int row, int column, const Value& value)
{
    checkCell(row, column);
    const Cell* cell = data_->cells.find(row, column);
    if (!cell && value.isEmpty()) {
        return;
    }
    CellSnapshot content;
    content.kind = value.isEmpty() ? CellKind::Empty : CellKind::Number;  // any non-empty kind will do
    content.value = value;
    content.style = cell ? cell->style : 0;
    CellWriter::write(*this, row, column, std::move(content), kTyping);
}

void Sheet::clearCell(int row, int column)
{
    if (!data_->cells.find(row, column)) {
        return;
    }
    CellWriter::write(*this, row, column, CellSnapshot{}, kClearing);
}

void Sheet::setCachedValue(int row, int column, const Value& value)
{
    Cell* cell = data_->cells.find(row, column);
    if (cell && cell->kind == CellKind::Formula) {
        cell->formula->cached.assign(value);
        cell->formula->state = CalcState::Clean;
    }
}

void Sheet::forEachCell(const CellRange& range, const std::function<void(int, int)>& visit) const
{
    data_->cells.forEach(range, [&](int row, int column, const Cell&) { visit(row, column); });
}

const CellStyle& Sheet::style(int row, int column) const
{
    const Cell* cell = data_->cells.find(row, column);
    return styleOf(*this, cell ? cell->style : 0);
}

void Sheet::setStyle(int row, int column, const CellStyle& style)
{
    checkCell(row, column);
    const std::uint32_t id = styleIdOn(*this, style);
    const Cell* cell = data_->cells.find(row, column);
    if ((cell ? cell->style : 0) == id) {
        return;
    }
    CellWriter::writeStyle(*this, row, column, id, QStringLiteral("Formatar células"));
}

int Sheet::rowCount() const
{
    return data_->cells.lastRow() + 1;
}

int Sheet::columnCount() const
{
    return data_->cells.lastColumn() + 1;
}

namespace {

const LineFormat* findLine(const std::map<int, LineFormat>& lines, int index)
{
    const auto it = lines.find(index);
    return it == lines.end() ? nullptr : &it->second;
}

// Keeps only lines that differ from the default.
void storeLine(std::map<int, LineFormat>& lines, int index, const LineFormat& line)
{
    if (line.size < 0 && !line.hidden && !line.pageBreak) {
        lines.erase(index);
    } else {
        lines[index] = line;
    }
}

LineFormat lineOrDefault(const std::map<int, LineFormat>& lines, int index)
{
    const LineFormat* line = findLine(lines, index);
    return line ? *line : LineFormat{};
}

}  // namespace

int Sheet::rowHeight(int row) const
{
    const LineFormat* line = findLine(data_->rows, row);
    return line && line->size >= 0 ? line->size : kDefaultRowHeight;
}

void Sheet::setRowHeight(int row, int height)
{
    LayoutChange::record(*this, QStringLiteral("Altura da linha"), [&] {
        LineFormat line = lineOrDefault(data_->rows, row);
        line.size = height < 0 ? -1 : height;
        storeLine(data_->rows, row, line);
    });
}

bool Sheet::isRowHidden(int row) const
{
    const LineFormat* line = findLine(data_->rows, row);
    return line && line->hidden;
}

void Sheet::setRowHidden(int row, bool hidden)
{
    LayoutChange::record(*this, QStringLiteral("Ocultar linhas"), [&] {
        LineFormat line = lineOrDefault(data_->rows, row);
        line.hidden = hidden;
        storeLine(data_->rows, row, line);
    });
}

bool Sheet::hasPageBreak(int row) const
{
    const LineFormat* line = findLine(data_->rows, row);
    return line && line->pageBreak;
}

void Sheet::setPageBreak(int row, bool on)
{
    LayoutChange::record(*this, QStringLiteral("Quebra de página"), [&] {
        LineFormat line = lineOrDefault(data_->rows, row);
        line.pageBreak = on;
        storeLine(data_->rows, row, line);
    });
}

std::vector<int> Sheet::pageBreaks() const
{
    std::vector<int> rows;
    for (const auto& [index, line] : data_->rows) {
        if (line.pageBreak)
            rows.push_back(index);
    }
    return rows;
}

int Sheet::columnWidth(int column) const
{
    const LineFormat* line = findLine(data_->columns, column);
    return line && line->size >= 0 ? line->size : kDefaultColumnWidth;
}

void Sheet::setColumnWidth(int column, int width)
{
    LayoutChange::record(*this, QStringLiteral("Largura da coluna"), [&] {
        LineFormat line = lineOrDefault(data_->columns, column);
        line.size = width < 0 ? -1 : width;
        storeLine(data_->columns, column, line);
    });
}

bool Sheet::isColumnHidden(int column) const
{
    const LineFormat* line = findLine(data_->columns, column);
    return line && line->hidden;
}

void Sheet::setColumnHidden(int column, bool hidden)
{
    LayoutChange::record(*this, QStringLiteral("Ocultar colunas"), [&] {
        LineFormat line = lineOrDefault(data_->columns, column);
        line.hidden = hidden;
        storeLine(data_->columns, column, line);
    });
}

int Sheet::defaultRowHeight() const
{
    return kDefaultRowHeight;
}

int Sheet::defaultColumnWidth() const
{
    return kDefaultColumnWidth;
}

}  // namespace spreadsheet
