#include "ClipboardMove.h"

#include "CellWriter.h"
#include "ClipboardData.h"
#include "LayoutChange.h"
#include "StylePool.h"

#include <spreadsheet/Reference.h>
#include <spreadsheet/Workbook.h>

#include <QStringList>

namespace spreadsheet {

namespace {

const QString kDescription = QStringLiteral("Colar");

}  // namespace

ClipboardMove::ClipboardMove(const ClipboardData& data, Sheet& target, const CellRange& area)
    : d_(data),
      source_(*target.workbook().sheetById(data.sourceSheetId)),
      target_(target),
      area_(area),
      rows_(area.top - data.source.top),
      columns_(area.left - data.source.left)
{
}

void ClipboardMove::run()
{
    clearSource();
    placeCells();
    redirectFormulas();
    redirectNames();
    moveLayout();
}

bool ClipboardMove::follow(Token& t, int formulaSheetId, int newFormulaSheetId) const
{
    if (!t.isCellReference() && t.op != OpCode::Range) {
        return false;
    }
    const int sheetId = t.sheet == kOwnSheet ? formulaSheetId : t.sheet;
    const CellRange r = t.isCellReference() ? CellRange::cell(t.a, t.b) : t.rangeValue();
    const bool inside = sheetId == d_.sourceSheetId && d_.source.contains(r.top, r.left)
                        && d_.source.contains(r.bottom, r.right) && !(t.flags & (kWholeColumns | kWholeRows));
    const int newSheetId = inside ? target_.id() : sheetId;
    const std::uint16_t sheetField = newSheetId == newFormulaSheetId && t.sheet == kOwnSheet
                                         ? kOwnSheet
                                         : static_cast<std::uint16_t>(newSheetId);
    const bool sheetChanges = sheetField != t.sheet;
    if (!inside && !sheetChanges) {
        return false;
    }
    if (inside) {
        if (t.isCellReference()) {
            t.a += rows_;
            t.b += columns_;
        } else {
            t = Token::range({r.left + columns_, r.top + rows_, r.right + columns_, r.bottom + rows_}, t.sheet, t.flags);
        }
    }
    t.sheet = sheetField;
    return true;
}

void ClipboardMove::clearSource()
{
    CellWriter::clearArea(source_, d_.source, kDescription);
    CellWriter::clearArea(target_, area_, kDescription);
}

void ClipboardMove::placeCells()
{
    std::vector<std::uint32_t> styles;
    for (const CellStyle& style : d_.styles) {
        styles.push_back(styleIdOn(target_, style));
    }
    for (const ClipboardData::Entry& e : d_.cells) {
        CellSnapshot content;
        content.kind = e.kind;
        content.style = styles[e.style];
        if (e.formula) {
            content.formula = e.formula->clone();
            for (Token& t : content.formula->mutableTokens()) {
                follow(t, d_.sourceSheetId, target_.id());
            }
        } else {
            content.value = e.value;
        }
        CellWriter::write(target_, area_.top + e.row, area_.left + e.column, std::move(content), kDescription);
    }
}

// Formulas outside the moved block that read it now read its new place.
void ClipboardMove::redirectFormulas()
{
    Workbook& workbook = target_.workbook();
    for (int i = 0; i < workbook.sheetCount(); ++i) {
        Sheet& sheet = workbook.sheet(i);
        std::vector<std::pair<CellAddress, std::unique_ptr<Formula>>> changed;
        sheet.data().cells.forEachFormula({0, 0, kMaxColumns - 1, kMaxRows - 1}, [&](int row, int column, const Cell& cell) {
            if (&sheet == &target_ && area_.contains(row, column)) {
                return;  // placed above
            }
            std::unique_ptr<Formula> copy = cell.formula->clone();
            bool any = false;
            for (Token& t : copy->mutableTokens()) {
                any = follow(t, sheet.id(), sheet.id()) || any;
            }
            if (any) {
                changed.emplace_back(CellAddress{row, column}, std::move(copy));
            }
        });
        for (auto& [at, formula] : changed) {
            CellSnapshot content;
            content.kind = CellKind::Formula;
            content.style = sheet.data().cells.find(at.row, at.column)->style;
            content.formula = std::move(formula);
            CellWriter::write(sheet, at.row, at.column, std::move(content), kDescription);
        }
    }
}

void ClipboardMove::redirectNames()
{
    Workbook& workbook = target_.workbook();
    std::vector<DefinedName> names = workbook.names();
    bool changed = false;
    for (DefinedName& name : names) {
        QStringList parts;
        for (const QString& part : name.reference.split(u';')) {
            ParsedReference ref;
            const Sheet* sheet = parseReference(part, ref) && !ref.sheetName.isEmpty() ? workbook.findSheet(ref.sheetName) : nullptr;
            const bool inside = sheet && sheet->id() == d_.sourceSheetId && d_.source.contains(ref.range.top, ref.range.left)
                                && d_.source.contains(ref.range.bottom, ref.range.right);
            if (!inside) {
                parts << part;
                continue;
            }
            const CellRange moved{ref.range.left + columns_, ref.range.top + rows_, ref.range.right + columns_,
                                  ref.range.bottom + rows_};
            parts << sheetPrefix(target_.name()) + rangeText(moved, ref.absolute, ref.isRange);
            changed = true;
        }
        name.reference = parts.join(u';');
    }
    if (changed) {
        for (const DefinedName& name : names) {
            workbook.defineName(name.name, name.reference);
        }
    }
}

void ClipboardMove::moveLayout()
{
    LayoutChange::record(source_, kDescription, [&] {
        std::erase_if(source_.data().merges, [&](const CellRange& m) { return m.intersects(d_.source); });
    });
    LayoutChange::record(target_, kDescription, [&] {
        SheetData& data = target_.data();
        std::erase_if(data.merges, [&](const CellRange& m) { return m.intersects(area_); });
        for (const CellRange& m : d_.merges) {
            data.merges.push_back({m.left + area_.left, m.top + area_.top, m.right + area_.left, m.bottom + area_.top});
        }
    });
}

}  // namespace spreadsheet
