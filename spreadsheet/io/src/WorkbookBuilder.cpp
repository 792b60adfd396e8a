#include <spreadsheet/io/WorkbookBuilder.h>

#include "CellWriter.h"
#include "FormulaParser.h"
#include "SheetData.h"
#include "Slices.h"
#include "StylePool.h"

#include <spreadsheet/io/FileFormatError.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <algorithm>
#include <optional>

namespace spreadsheet::io {

namespace {

// What a cell costs once built, roughly: its slot in the store, and for a
// text or a formula what it owns besides (a formula's tokens and its text,
// kept until the end of reading and then in the formula).
constexpr std::int64_t kCellBytes = 24;
constexpr std::int64_t kTextBytes = 48;
constexpr std::int64_t kFormulaBytes = 256;

std::int64_t textBytes(const QString& text)
{
    return 2 * std::int64_t{text.size()};
}

void checkCell(int row, int column)
{
    if (!CellAddress{row, column}.isValid()) {
        throw SpreadsheetError(QStringLiteral("Célula fora dos limites da planilha no arquivo."));
    }
}

// What the cells of an array formula's range showed when the file was saved;
// an empty one shows 0, as a spilled empty value does.
std::optional<ValueArray> cachedArray(const Sheet& sheet, const CellRange& area, const Value& topLeft)
{
    // A larger range is calculated again rather than held twice.
    constexpr long long kMaxCachedCells = 1 << 20;
    if (static_cast<long long>(area.rowCount()) * area.columnCount() > kMaxCachedCells) {
        return std::nullopt;
    }
    ValueArray values(area.rowCount(), area.columnCount());
    for (int r = area.top; r <= area.bottom; ++r) {
        for (int c = area.left; c <= area.right; ++c) {
            const Value v = r == area.top && c == area.left ? topLeft : sheet.value(r, c);
            values.at(r - area.top, c - area.left) = v.isEmpty() ? Value(0.0) : v;
        }
    }
    return values;
}

// A parsed formula goes in keeping the cell's style.
void writeFormula(Sheet& sheet, int row, int column, std::unique_ptr<Formula> formula)
{
    CellSnapshot content;
    content.kind = CellKind::Formula;
    content.formula = std::move(formula);
    const Cell* cell = sheet.data().cells.find(row, column);
    content.style = cell ? cell->style : 0;
    CellWriter::write(sheet, row, column, std::move(content), QString());
}

// The formula goes in the range's top left cell; the other cells are
// emptied, keeping their styles. `fixed`: entered over the range ({=...}),
// its result fitted to it; otherwise it spills by itself.
void writeArrayFormula(Sheet& sheet, const CellRange& area, const QString& text, bool fixed)
{
    // Only the cells that exist are visited: a range may be a whole column.
    std::vector<CellAddress> filled;
    sheet.data().cells.forEach(area, [&](int row, int column, const Cell& cell) {
        if ((row != area.top || column != area.left) && cell.kind != CellKind::Empty) {
            filled.push_back({row, column});
        }
    });
    for (const CellAddress& at : filled) {
        sheet.setValue(at.row, at.column, Value());
    }
    std::unique_ptr<Formula> formula = FormulaParser(sheet.workbook()).parse(text);
    if (fixed) {
        formula->setArrayArea(area.rowCount(), area.columnCount());
    }
    writeFormula(sheet, area.top, area.left, std::move(formula));
}

// The cell text of a stored formula, built in one allocation: a workbook
// loads hundreds of thousands of them.
QString formulaText(const QString& stored)
{
    if (stored.startsWith(u'='))
        return stored;
    QString text;
    text.reserve(stored.size() + 1);
    text.append(u'=');
    text.append(stored);
    return text;
}

}  // namespace

WorkbookBuilder::WorkbookBuilder(std::int64_t memoryBudget)
    : workbook_(std::make_unique<Workbook>()), budget_(memoryBudget)
{
    workbook_->history().setEnabled(false);
    workbook_->setAutomaticCalculation(false);
    workbook_->beginUpdate();
}

WorkbookBuilder::~WorkbookBuilder()
{
    if (workbook_) {
        workbook_->endUpdate();
    }
}

Sheet& WorkbookBuilder::sheetAt(int index) const
{
    if (index < 0 || index >= workbook_->sheetCount()) {
        throw SpreadsheetError(QStringLiteral("Planilha inexistente no arquivo."));
    }
    return workbook_->sheet(index);
}

void WorkbookBuilder::spend(std::int64_t bytes)
{
    spent_ += bytes;
    if (spent_ > budget_) {
        throw FileFormatError(QStringLiteral("O arquivo precisaria de mais de %1 MiB de memória para ser aberto; "
                                             "o limite é %1 MiB.")
                                  .arg(budget_ >> 20));
    }
}

int WorkbookBuilder::addSheet(const QString& name)
{
    // A file may hold names this workbook refuses (too long, repeated):
    // such a sheet gets the next free default name instead.
    try {
        workbook_->addSheet(name);
    } catch (const SpreadsheetError& e) {
        const QString chosen = workbook_->addSheet().name();
        warnings_.push_back(e.message() + QStringLiteral(" Usado \"%1\".").arg(chosen));
    }
    return workbook_->sheetCount() - 1;
}

void WorkbookBuilder::setValue(int sheet, int row, int column, const Value& value)
{
    checkCell(row, column);
    spend(kCellBytes + (value.isText() ? kTextBytes + textBytes(value.text()) : 0));
    sheetAt(sheet).setValue(row, column, value);
}

void WorkbookBuilder::setFormula(int sheet, int row, int column, const QString& text, const Value& cached)
{
    checkCell(row, column);
    sheetAt(sheet);
    spend(kCellBytes + kFormulaBytes + 2 * textBytes(text));
    formulas_.push_back({sheet, row, column, text, cached, CellRange::cell(row, column)});
}

void WorkbookBuilder::setArrayFormula(int sheet, const CellRange& area, const QString& text, const Value& cached,
                                      bool spills)
{
    checkCell(area.top, area.left);
    checkCell(area.bottom, area.right);
    sheetAt(sheet);
    // Only the cached values of the range are kept, and no more than a
    // million of them; the range's own cells are made only where the file
    // has content.
    constexpr std::int64_t kCachedCells = 1 << 20;
    const std::int64_t cells = std::min(std::int64_t{area.rowCount()} * area.columnCount(), kCachedCells);
    spend(kCellBytes * cells + kFormulaBytes + 2 * textBytes(text));
    formulas_.push_back({sheet, area.top, area.left, text, cached, area, !spills});
}

void WorkbookBuilder::setStyle(int sheet, int row, int column, const CellStyle& style)
{
    checkCell(row, column);
    spend(kCellBytes);
    sheetAt(sheet).setStyle(row, column, style);
}

void WorkbookBuilder::setRowFormat(int sheet, int row, int heightPixels, bool hidden)
{
    checkCell(row, 0);
    Sheet& s = sheetAt(sheet);
    s.setRowHeight(row, heightPixels);
    // Most rows of a file give a height only; each change costs a history
    // scope.
    if (hidden || s.isRowHidden(row))
        s.setRowHidden(row, hidden);
}

void WorkbookBuilder::setPageBreak(int sheet, int row)
{
    checkCell(row, 0);
    sheetAt(sheet).setPageBreak(row, true);
}

void WorkbookBuilder::setSheetDefaultStyle(int sheet, const CellStyle& style)
{
    sheetAt(sheet).setDefaultStyle(style);
}

void WorkbookBuilder::setColumnFormat(int sheet, int column, int widthPixels, bool hidden)
{
    checkCell(0, column);
    Sheet& s = sheetAt(sheet);
    s.setColumnWidth(column, widthPixels);
    s.setColumnHidden(column, hidden);
}

void WorkbookBuilder::addMerge(int sheet, const CellRange& area)
{
    if (!area.isValid()) {
        throw SpreadsheetError(QStringLiteral("Área mesclada inválida no arquivo."));
    }
    sheetAt(sheet);
    if (!area.isSingleCell()) {
        merges_.emplace_back(sheet, area);
    }
}

void WorkbookBuilder::defineName(const QString& name, const QString& reference)
{
    // Names this workbook cannot hold (built-in print areas and the like)
    // are left out rather than failing the whole file.
    try {
        workbook_->defineName(name, reference);
    } catch (const SpreadsheetError& e) {
        warnings_.push_back(e.message());
    }
}

void WorkbookBuilder::setActiveSheet(int sheet)
{
    activeSheet_ = sheet;
}

// The table's first slot is the pool's: the default style of each sheet.
void WorkbookBuilder::declareStyles(const std::vector<CellStyle>& styles)
{
    declaredStyles_.clear();
    for (std::size_t i = 0; i < styles.size(); ++i) {
        declaredStyles_.push_back(i == 0 ? 0 : workbook_->styles().intern(styles[i]));
    }
}

void WorkbookBuilder::setStyleIndex(int sheet, int row, int column, int index)
{
    if (index < 0 || index >= static_cast<int>(declaredStyles_.size())) {
        throw SpreadsheetError(QStringLiteral("Estilo inexistente no arquivo."));
    }
    checkCell(row, column);
    spend(kCellBytes);
    Sheet& s = sheetAt(sheet);
    s.setStyle(row, column, styleOf(s, declaredStyles_[static_cast<std::size_t>(index)]));
}

void WorkbookBuilder::setSheetView(int sheet, TriState gridLines, TriState headers, TriState showFormulas,
                                   const CellRange& selection)
{
    Sheet& s = sheetAt(sheet);
    s.setGridLines(gridLines);
    s.setHeaders(headers);
    s.setShowFormulas(showFormulas);
    if (selection.isValid()) {
        s.setSelection(selection);
    }
}

void WorkbookBuilder::setWorkbookOptions(bool r1c1, bool automaticCalculation, bool sheetTabsVisible)
{
    workbook_->setR1C1References(r1c1);
    workbook_->setSheetTabsVisible(sheetTabsVisible);
    automaticCalculation_ = automaticCalculation;
}

std::unique_ptr<Workbook> WorkbookBuilder::finish()
{
    // A file of hundreds of thousands of formulas spends much of its load
    // parsing them, and parsing reads nothing of the workbook but its sheet
    // names: the single-cell ones are parsed on every core first. Below
    // kMinSlice formulas a second thread costs more than it saves.
    constexpr std::size_t kMinSlice = 20000;
    std::vector<std::unique_ptr<Formula>> parsed(formulas_.size());
    const FormulaParser parser(*workbook_);
    Slices(formulas_.size(), kMinSlice).run([&](std::size_t, std::size_t first, std::size_t last) {
        for (std::size_t i = first; i < last; ++i) {
            const PendingFormula& f = formulas_[i];
            if (!f.area.isSingleCell()) {
                continue;  // parsed where it is written, over its range
            }
            const QString text = formulaText(f.text);
            if (text.size() > 1) {  // a lone "=" is a text, as when it is typed
                parsed[i] = parser.parse(text);
            }
        }
    });
    for (std::size_t i = 0; i < formulas_.size(); ++i) {
        const PendingFormula& f = formulas_[i];
        Sheet& s = workbook_->sheet(f.sheet);
        if (parsed[i]) {
            writeFormula(s, f.row, f.column, std::move(parsed[i]));
            s.setCachedValue(f.row, f.column, f.cached);
            continue;
        }
        const QString text = formulaText(f.text);
        if (f.area.isSingleCell()) {
            s.setText(f.row, f.column, text);
            s.setCachedValue(f.row, f.column, f.cached);
            continue;
        }
        // The file keeps the array's values in the other cells too: they
        // become the array's cached values, as the top left one is the
        // formula's, instead of constants that would block the array.
        std::optional<ValueArray> cached = cachedArray(s, f.area, f.cached);
        writeArrayFormula(s, f.area, text, f.fixed);
        s.setCachedValue(f.row, f.column, f.cached);
        if (cached && !f.cached.isEmpty()) {
            s.data().spills.set(f.row, f.column,
                                Spill{f.area, std::make_shared<const ValueArray>(std::move(*cached)), f.fixed});
        }
    }
    formulas_.clear();
    // Merges go straight into the sheet: merging through the sheet would
    // clear the cells they cover, and a file may keep content there.
    // Each merge is checked against the others; the cap keeps a hostile file
    // with millions of merges from taking quadratic time.
    constexpr std::size_t kMaxMergesPerSheet = 10000;
    bool tooMany = false;
    for (const auto& merge : merges_) {
        const CellRange area = merge.second;
        auto& merges = workbook_->sheet(merge.first).data().merges;
        if (merges.size() >= kMaxMergesPerSheet) {
            if (!tooMany) {
                warnings_.push_back(QStringLiteral("Áreas mescladas demais: as excedentes foram ignoradas."));
            }
            tooMany = true;
            continue;
        }
        const bool overlaps = std::any_of(merges.begin(), merges.end(), [&](const CellRange& m) { return m.intersects(area); });
        if (overlaps) {
            warnings_.push_back(QStringLiteral("Área mesclada sobreposta ignorada."));
        } else {
            merges.push_back(area);
        }
    }
    merges_.clear();
    if (activeSheet_ >= 0 && activeSheet_ < workbook_->sheetCount()) {
        workbook_->setActiveSheet(activeSheet_);
    }
    workbook_->endUpdate();
    workbook_->setAutomaticCalculation(automaticCalculation_);
    if (calculate_) {
        workbook_->calculate();
    }
    workbook_->history().setEnabled(true);
    return std::move(workbook_);
}

}  // namespace spreadsheet::io
