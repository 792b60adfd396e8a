#include "DependencyIndex.h"

#include "Calculator.h"
#include "Formula.h"
#include "SheetData.h"

#include <spreadsheet/Workbook.h>

#include <algorithm>

namespace spreadsheet {

namespace {

// Areas up to this many cells are indexed cell by cell, larger ones as ranges.
constexpr int kExpandCells = 4;
constexpr std::size_t kMergeThreshold = 4096;

}  // namespace

void DependencyIndex::invalidate()
{
    valid_ = false;
    sorted_.clear();
    sorted_.shrink_to_fit();
    recent_.clear();
    ranges_.clear();
    volatile_.clear();
}

void DependencyIndex::build(const Workbook& workbook, Calculator& calculator)
{
    invalidate();
    std::vector<CellEntry> cells;
    for (int i = 0; i < workbook.sheetCount(); ++i) {
        const Sheet& sheet = workbook.sheet(i);
        sheet.data().cells.forEachFormula({0, 0, kMaxColumns - 1, kMaxRows - 1},
                                          [&](int, int, const Cell& cell) { collect(*cell.formula, calculator, cells); });
    }
    std::sort(cells.begin(), cells.end());
    sorted_ = std::move(cells);
    valid_ = true;
}

void DependencyIndex::collect(Formula& formula, Calculator& calculator, std::vector<CellEntry>& cells)
{
    const int ownId = formula.sheet->id();
    const auto addArea = [&](int sheetId, const CellRange& r) {
        if (r.rowCount() * static_cast<long long>(r.columnCount()) <= kExpandCells) {
            for (int c = r.left; c <= r.right; ++c) {
                for (int row = r.top; row <= r.bottom; ++row) {
                    cells.push_back({key(sheetId, row, c), &formula});
                }
            }
        } else {
            ranges_.push_back({sheetId, r, &formula});
        }
    };
    const auto addTokens = [&](std::span<const Token> tokens, int ownSheet) {
        for (const Token& t : tokens) {
            const int sheetId = t.sheet == kOwnSheet ? ownSheet : t.sheet;
            if (t.isCellReference()) {
                cells.push_back({key(sheetId, t.a, t.b), &formula});
            } else if (t.op == OpCode::Range) {
                addArea(sheetId, t.rangeValue());
            }
        }
    };
    addTokens(formula.tokens(), ownId);
    for (const Token& t : formula.tokens()) {
        if (t.op == OpCode::Name) {
            if (const Formula* name = calculator.nameFormula(formula.string(t.a))) {
                addTokens(name->tokens(), calculator.activeSheetId());
            }
        }
    }
    if (formula.isVolatile()) {
        volatile_.push_back(&formula);
    }
}

void DependencyIndex::add(Formula& formula, Calculator& calculator)
{
    if (!valid_) {
        return;
    }
    collect(formula, calculator, recent_);
    if (recent_.size() > kMergeThreshold) {
        mergeRecent();
    }
}

void DependencyIndex::mergeRecent()
{
    std::sort(recent_.begin(), recent_.end());
    std::vector<CellEntry> merged;
    merged.reserve(sorted_.size() + recent_.size());
    std::merge(sorted_.begin(), sorted_.end(), recent_.begin(), recent_.end(), std::back_inserter(merged));
    std::erase_if(merged, [](const CellEntry& e) { return e.formula == nullptr; });
    sorted_ = std::move(merged);
    recent_.clear();
}

void DependencyIndex::remove(Formula& formula)
{
    if (!valid_) {
        return;
    }
    const int ownId = formula.sheet->id();
    for (const Token& t : formula.tokens()) {
        if (!t.isCellReference()) {
            continue;
        }
        const std::uint64_t k = key(t.sheet == kOwnSheet ? ownId : t.sheet, t.a, t.b);
        auto [first, last] = std::equal_range(sorted_.begin(), sorted_.end(), CellEntry{k, nullptr});
        for (auto it = first; it != last; ++it) {
            if (it->formula == &formula) {
                it->formula = nullptr;
            }
        }
    }
    // Expanded small ranges and names are rarer: sweep for what is left.
    std::erase_if(recent_, [&](const CellEntry& e) { return e.formula == &formula; });
    std::erase_if(ranges_, [&](const RangeEntry& e) { return e.formula == &formula; });
    std::erase(volatile_, &formula);
    for (const Token& t : formula.tokens()) {
        if (t.op == OpCode::Range || t.op == OpCode::Name) {
            for (CellEntry& e : sorted_) {
                if (e.formula == &formula) {
                    e.formula = nullptr;
                }
            }
            break;
        }
    }
}

void DependencyIndex::dependents(int sheetId, int row, int column, const std::function<void(Formula*)>& visit) const
{
    const std::uint64_t k = key(sheetId, row, column);
    auto [first, last] = std::equal_range(sorted_.begin(), sorted_.end(), CellEntry{k, nullptr});
    for (auto it = first; it != last; ++it) {
        if (it->formula) {
            visit(it->formula);
        }
    }
    for (const CellEntry& e : recent_) {
        if (e.key == k) {
            visit(e.formula);
        }
    }
    for (const RangeEntry& e : ranges_) {
        if (e.sheetId == sheetId && e.range.contains(row, column)) {
            visit(e.formula);
        }
    }
}

std::size_t DependencyIndex::memoryUsage() const
{
    return sorted_.capacity() * sizeof(CellEntry) + recent_.capacity() * sizeof(CellEntry)
           + ranges_.capacity() * sizeof(RangeEntry) + volatile_.capacity() * sizeof(Formula*);
}

}  // namespace spreadsheet
