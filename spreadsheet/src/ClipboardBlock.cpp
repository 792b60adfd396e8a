#include <spreadsheet/ClipboardBlock.h>

#include "CellWriter.h"
#include "ClipboardData.h"
#include "ClipboardMove.h"
#include "LayoutChange.h"
#include "ReferenceShift.h"
#include "SheetEditing.h"
#include "StylePool.h"

#include <spreadsheet/History.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <unordered_map>

namespace spreadsheet {

namespace {

std::map<int, LineFormat> linesWithin(const std::map<int, LineFormat>& lines, int first, int last)
{
    std::map<int, LineFormat> kept;
    for (auto it = lines.lower_bound(first); it != lines.end() && it->first <= last; ++it) {
        kept.emplace(it->first - first, it->second);
    }
    return kept;
}

std::unique_ptr<ClipboardData> capture(const Sheet& sheet, const CellRange& area)
{
    checkArea(area);
    auto d = std::make_unique<ClipboardData>();
    d->source = area;
    d->sourceSheetId = sheet.id();
    d->sourceWorkbook = &sheet.workbook();
    const Workbook& workbook = sheet.workbook();
    std::unordered_map<std::uint32_t, std::uint32_t> styles;
    sheet.data().cells.forEach(area, [&](int row, int column, const Cell& cell) {
        auto [it, added] = styles.try_emplace(cell.style, static_cast<std::uint32_t>(d->styles.size()));
        if (added) {
            d->styles.push_back(styleOf(sheet, cell.style));
        }
        ClipboardData::Entry e{row - area.top, column - area.left, it->second, cell.kind, {}, nullptr};
        if (cell.kind == CellKind::Formula) {
            e.formula = cell.formula->clone();
            for (const Token& t : e.formula->tokens()) {
                const Sheet* named = t.sheet == kOwnSheet ? nullptr : workbook.sheetById(t.sheet);
                if (named) {
                    d->sheetNames.emplace(t.sheet, named->name());
                }
            }
        } else {
            e.value = cell.value();
        }
        d->cells.push_back(std::move(e));
    });
    for (const CellRange& m : sheet.data().merges) {
        if (area.contains(m.top, m.left) && area.contains(m.bottom, m.right)) {
            d->merges.push_back({m.left - area.left, m.top - area.top, m.right - area.left, m.bottom - area.top});
        }
    }
    d->rows = linesWithin(sheet.data().rows, area.top, area.bottom);
    d->columns = linesWithin(sheet.data().columns, area.left, area.right);
    return d;
}

// Sheet ids mean nothing in another workbook: references to other sheets are
// matched by name there, and become #REF! when no sheet has it.
void remapSheets(Formula& formula, const ClipboardData& d, const Workbook& target)
{
    for (Token& t : formula.mutableTokens()) {
        if ((!t.isCellReference() && t.op != OpCode::Range) || t.sheet == kOwnSheet) {
            continue;
        }
        const auto name = d.sheetNames.find(t.sheet);
        const Sheet* sheet = name == d.sheetNames.end() ? nullptr : target.findSheet(name->second);
        if (sheet) {
            t.sheet = static_cast<std::uint16_t>(sheet->id());
        } else {
            t = Token{};
            t.op = OpCode::Error;
            t.a = static_cast<int>(ErrorCode::Ref);
        }
    }
}

void checkTarget(const ClipboardData& d, const Sheet& target, const CellRange& area)
{
    if (!area.isValid()) {
        throw SpreadsheetError(QStringLiteral("A colagem ultrapassa os limites da planilha."));
    }
    for (const CellRange& m : target.data().merges) {
        const bool inside = area.contains(m.top, m.left) && area.contains(m.bottom, m.right);
        if (m.intersects(area) && !inside) {
            throw SpreadsheetError(QStringLiteral("Não é possível colar sobre parte de uma área mesclada."));
        }
    }
    (void)d;
}

void pasteLayout(const ClipboardData& d, Sheet& target, const CellRange& area)
{
    if (d.merges.empty() && d.rows.empty() && d.columns.empty() && target.data().merges.empty()) {
        return;
    }
    LayoutChange::record(target, QStringLiteral("Colar"), [&] {
        SheetData& data = target.data();
        std::erase_if(data.merges, [&](const CellRange& m) { return m.intersects(area); });
        for (const CellRange& m : d.merges) {
            data.merges.push_back({m.left + area.left, m.top + area.top, m.right + area.left, m.bottom + area.top});
        }
        for (const auto& [offset, line] : d.rows) {
            data.rows[area.top + offset] = line;
        }
        for (const auto& [offset, line] : d.columns) {
            data.columns[area.left + offset] = line;
        }
    });
}

}  // namespace

ClipboardBlock::ClipboardBlock() = default;
ClipboardBlock::~ClipboardBlock() = default;
ClipboardBlock::ClipboardBlock(ClipboardBlock&&) noexcept = default;
ClipboardBlock& ClipboardBlock::operator=(ClipboardBlock&&) noexcept = default;

ClipboardBlock ClipboardBlock::copy(const Sheet& sheet, const CellRange& area)
{
    ClipboardBlock block;
    block.d_ = capture(sheet, area);
    return block;
}

ClipboardBlock ClipboardBlock::cut(Sheet& sheet, const CellRange& area)
{
    ClipboardBlock block = copy(sheet, area);
    block.d_->cut = true;
    return block;
}

bool ClipboardBlock::isEmpty() const
{
    return !d_;
}

bool ClipboardBlock::isCut() const
{
    return d_ && d_->cut;
}

int ClipboardBlock::rowCount() const
{
    return d_ ? d_->source.rowCount() : 0;
}

int ClipboardBlock::columnCount() const
{
    return d_ ? d_->source.columnCount() : 0;
}

void ClipboardBlock::paste(Sheet& target, int row, int column)
{
    if (!d_) {
        return;
    }
    const CellRange area{column, row, column + columnCount() - 1, row + rowCount() - 1};
    checkTarget(*d_, target, area);
    Workbook& workbook = target.workbook();
    const bool sameWorkbook = d_->sourceWorkbook == &workbook;
    HistoryScope scope(workbook.history(), QStringLiteral("Colar"));
    const UpdateBatch batch(workbook);
    if (d_->cut && sameWorkbook && workbook.sheetById(d_->sourceSheetId)) {
        ClipboardMove(*d_, target, area).run();
        d_->cut = false;
        d_->source = area;
        d_->sourceSheetId = target.id();
        return;
    }
    // The block keeps styles as the source sheet showed them, so cells that
    // had none of their own there keep their look on a sheet with another
    // default.
    std::vector<std::uint32_t> styles;
    styles.reserve(d_->styles.size());
    for (const CellStyle& style : d_->styles) {
        styles.push_back(styleIdOn(target, style));
    }
    CellWriter::clearArea(target, area, QStringLiteral("Colar"));
    const int rows = row - d_->source.top;
    const int columns = column - d_->source.left;
    for (const ClipboardData::Entry& e : d_->cells) {
        CellSnapshot content;
        content.kind = e.kind;
        content.style = styles[e.style];
        if (e.formula) {
            content.formula = e.formula->clone();
            shiftRelativeReferences(*content.formula, rows, columns);
            if (!sameWorkbook) {
                remapSheets(*content.formula, *d_, workbook);
            }
        } else {
            content.value = e.value;
        }
        CellWriter::write(target, row + e.row, column + e.column, std::move(content), QStringLiteral("Colar"));
    }
    pasteLayout(*d_, target, area);
}

}  // namespace spreadsheet
