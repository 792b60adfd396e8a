#include <spreadsheet/io/WorkbookBuilder.h>

#include "SheetData.h"
#include "StylePool.h"

#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <algorithm>

namespace spreadsheet::io {

namespace {

void checkCell(int row, int column)
{
    if (!CellAddress{row, column}.isValid()) {
        throw SpreadsheetError(QStringLiteral("Célula fora dos limites da planilha no arquivo."));
    }
}

}  // namespace

WorkbookBuilder::WorkbookBuilder() : workbook_(std::make_unique<Workbook>())
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
    sheetAt(sheet).setValue(row, column, value);
}

void WorkbookBuilder::setFormula(int sheet, int row, int column, const QString& text, const Value& cached)
{
    checkCell(row, column);
    sheetAt(sheet);
    formulas_.push_back({sheet, row, column, text, cached});
}

void WorkbookBuilder::setStyle(int sheet, int row, int column, const CellStyle& style)
{
    checkCell(row, column);
    sheetAt(sheet).setStyle(row, column, style);
}

void WorkbookBuilder::setRowFormat(int sheet, int row, int heightPixels, bool hidden)
{
    checkCell(row, 0);
    Sheet& s = sheetAt(sheet);
    s.setRowHeight(row, heightPixels);
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
    for (const PendingFormula& f : formulas_) {
        Sheet& s = workbook_->sheet(f.sheet);
        s.setText(f.row, f.column, f.text.startsWith(u'=') ? f.text : u'=' + f.text);
        s.setCachedValue(f.row, f.column, f.cached);
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
