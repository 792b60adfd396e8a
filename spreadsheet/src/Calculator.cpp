#include "Calculator.h"

#include "Formula.h"
#include "FormulaParser.h"
#include "SheetData.h"
#include "SpillLayout.h"

#include <spreadsheet/FormulaResult.h>
#include <spreadsheet/FunctionRepository.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

namespace spreadsheet {

namespace {

// Past this many edits in one batch a full recalculation is cheaper than
// tracing dependents edit by edit.
constexpr std::size_t kMaxPendingCells = 2048;

const CellRange kWholeSheet{0, 0, kMaxColumns - 1, kMaxRows - 1};

// An interrupt check comes after this many formula steps, or sooner when
// the steps are slow (functions that query a database): rare enough to cost
// nothing beside the evaluations, frequent enough that a stop is answered
// within a fraction of a second. The clock is read every few steps only.
constexpr std::uint32_t kStepsPerCheck = 128;
constexpr std::uint32_t kStepsPerClockReading = 4;
constexpr std::chrono::milliseconds kTimeBetweenChecks{100};

}  // namespace

Calculator::Calculator(Workbook& workbook) : workbook_(workbook), evaluator_(workbook, *this) {}

Calculator::~Calculator() = default;

int Calculator::activeSheetId() const
{
    return workbook_.sheetCount() > 0 ? workbook_.activeSheet().id() : -1;
}

void Calculator::calculateAllIfChanged()
{
    if (calculatedAt_ != changes_)
        calculateAll();
}

void Calculator::calculateAll()
{
    calculatedAt_ = changes_;
    failures_.clear();
    pending_.clear();
    pendingOverflow_ = false;
    std::vector<Formula*> all;
    for (int i = 0; i < workbook_.sheetCount(); ++i) {
        workbook_.sheet(i).data().cells.forEachFormula(kWholeSheet, [&](int, int, const Cell& cell) {
            cell.formula->state = CalcState::Dirty;
            all.push_back(cell.formula);
        });
    }
    evaluator_.setStrict(true);
    evaluator_.beginPass();
    for (Formula* f : all) {
        if (f->state != CalcState::Clean) {
            run(*f);
        }
    }
    settleSpills();
}

void Calculator::run(Formula& formula)
{
    stack_.clear();
    stack_.push_back(&formula);
    formula.state = CalcState::Queued;
    while (!stack_.empty()) {
        checkInterrupt();
        Formula* f = stack_.back();
        if (f->state == CalcState::Clean) {
            stack_.pop_back();
            continue;
        }
        forgetFailures(*f);
        f->state = CalcState::Calculating;
        try {
            store(*f, evaluator_.evaluate(*f));
            f->state = CalcState::Clean;
            ++evaluations_;
            stack_.pop_back();
        } catch (const NeedsCalculation& needs) {
            f->state = CalcState::Waiting;
            for (Formula* precedent : needs.formulas) {
                precedent->state = CalcState::Queued;
                stack_.push_back(precedent);
            }
        }
    }
}

void Calculator::checkInterrupt()
{
    if (!interrupt_ || ++stepsSinceCheck_ % kStepsPerClockReading != 0) {
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    if (stepsSinceCheck_ < kStepsPerCheck && now - lastCheck_ < kTimeBetweenChecks) {
        return;
    }
    stepsSinceCheck_ = 0;
    lastCheck_ = now;
    if (interrupt_()) {
        abandon();
    }
}

// What the stopped calculation did not reach must not pass for calculated:
// the formulas on the stack are dirty again, the next full calculation is
// not skipped, and the end of a batch calculates everything.
void Calculator::abandon()
{
    for (Formula* f : stack_) {
        f->state = CalcState::Dirty;
    }
    stack_.clear();
    calculatedAt_.reset();
    pendingOverflow_ = true;
    throw CalculationInterrupted();
}

void Calculator::forgetFailures(const Formula& formula)
{
    if (failures_.empty()) {
        return;
    }
    std::erase_if(failures_, [&](const CalculationFailure& f) {
        return f.row == formula.row && f.column == formula.column && f.sheetName == formula.sheet->name();
    });
}

void Calculator::endUpdate()
{
    if (updateDepth_ == 0 || --updateDepth_ > 0) {
        return;
    }
    std::vector<PendingCell> changed;
    changed.swap(pending_);
    const bool overflow = pendingOverflow_;
    pendingOverflow_ = false;
    if (!workbook_.automaticCalculation()) {
        calculateManually(changed);
    } else if (overflow || (!index_.isValid() && changed.size() > 64)) {
        calculateAll();
    } else if (!changed.empty()) {
        recalculateChanged(changed);
    }
}

void Calculator::formulaAdded(Formula& formula)
{
    ++changes_;
    index_.add(formula, *this);
}

void Calculator::formulaRemoved(Formula& formula)
{
    ++changes_;
    index_.remove(formula);
    std::erase(stack_, &formula);
    SpillTable& spills = formula.sheet->data().spills;
    if (const Spill* spill = spills.empty() ? nullptr : spills.anchoredAt(formula.row, formula.column)) {
        spillChanges_.push_back({formula.sheet->id(), spill->area, {formula.row, formula.column}});
        spills.remove(formula.row, formula.column);
    }
}

void Calculator::cellChanged(const Sheet& sheet, int row, int column)
{
    ++changes_;
    // Writing into a spilled (or blocked) area changes what its formula can lay out.
    CellAddress anchor;
    const SpillTable& spills = sheet.data().spills;
    if (!spills.empty() && spills.covering(row, column, &anchor) && !(anchor == CellAddress{row, column})) {
        if (Formula* f = formulaAt({sheet.id(), anchor.row, anchor.column})) {
            f->state = CalcState::Dirty;
        }
        cellChanged(sheet, anchor.row, anchor.column);
    }
    const PendingCell cell{sheet.id(), row, column};
    if (isUpdating()) {
        if (pending_.size() < kMaxPendingCells) {
            pending_.push_back(cell);
        } else {
            pendingOverflow_ = true;
        }
        return;
    }
    if (workbook_.automaticCalculation()) {
        recalculateChanged({cell});
    } else {
        calculateManually({cell});
    }
}

Formula* Calculator::formulaAt(const PendingCell& cell) const
{
    const Sheet* sheet = workbook_.sheetById(cell.sheetId);
    const Cell* c = sheet ? sheet->data().cells.find(cell.row, cell.column) : nullptr;
    return c && c->kind == CellKind::Formula ? c->formula : nullptr;
}

// Without automatic calculation only a newly written formula gets a value,
// from the values its precedents have now.
void Calculator::calculateManually(const std::vector<PendingCell>& changed)
{
    evaluator_.setStrict(false);
    for (const PendingCell& cell : changed) {
        Formula* f = formulaAt(cell);
        if (f && f->state != CalcState::Clean) {
            forgetFailures(*f);
            f->state = CalcState::Calculating;
            store(*f, evaluator_.evaluate(*f));
            f->state = CalcState::Clean;
            ++evaluations_;
        }
    }
    evaluator_.setStrict(true);
}

void Calculator::recalculateChanged(const std::vector<PendingCell>& changed)
{
    recalculateCells(changed, true);
    settleSpills();
}

void Calculator::recalculateCells(const std::vector<PendingCell>& changed, bool withVolatile)
{
    if (!index_.isValid()) {
        index_.build(workbook_, *this);
    }
    std::vector<Formula*> dirty;
    const auto markDirty = [&dirty](Formula* f) {
        if (f->state == CalcState::Clean) {
            f->state = CalcState::Dirty;
            dirty.push_back(f);
        }
    };
    for (const PendingCell& cell : changed) {
        if (Formula* f = formulaAt(cell)) {
            f->state = CalcState::Dirty;
            dirty.push_back(f);
        }
    }
    if (withVolatile) {
        for (Formula* f : index_.volatileFormulas()) {
            markDirty(f);
        }
    }
    std::vector<PendingCell> work = changed;
    for (std::size_t i = 0; i < dirty.size(); ++i) {
        work.push_back({dirty[i]->sheet->id(), dirty[i]->row, dirty[i]->column});
    }
    for (std::size_t i = 0; i < work.size(); ++i) {
        const std::size_t before = dirty.size();
        index_.dependents(work[i].sheetId, work[i].row, work[i].column, markDirty);
        for (std::size_t j = before; j < dirty.size(); ++j) {
            work.push_back({dirty[j]->sheet->id(), dirty[j]->row, dirty[j]->column});
        }
    }
    evaluator_.setStrict(true);
    evaluator_.beginPass();
    for (Formula* f : dirty) {
        if (f->state != CalcState::Clean) {
            run(*f);
        }
    }
}

void Calculator::store(Formula& f, const Value& result)
{
    SpillTable& spills = f.sheet->data().spills;
    const Spill* old = spills.empty() ? nullptr : spills.anchoredAt(f.row, f.column);
    if (!result.isArray() && !old && !f.isArrayFormula()) {
        f.cached.assign(result);
        return;
    }
    Spill next = layOutResult(*f.sheet, f, result);
    f.cached.assign(next.values ? next.values->at(0, 0) : Value::error(ErrorCode::Spill));
    const bool alone = next.area.isSingleCell() && !next.fixed;
    bool changed = !alone;
    CellRange touched = next.area;
    if (old) {
        changed = !(old->area == next.area) || !old->values != !next.values
                  || (old->values && *old->values != *next.values);
        touched = {std::min(old->area.left, next.area.left), std::min(old->area.top, next.area.top),
                   std::max(old->area.right, next.area.right), std::max(old->area.bottom, next.area.bottom)};
    }
    if (alone) {
        spills.remove(f.row, f.column);
    } else {
        spills.set(f.row, f.column, std::move(next));
    }
    if (changed) {
        spillChanges_.push_back({f.sheet->id(), touched, {f.row, f.column}});
        evaluator_.forgetRangeTotals();
    }
}

// A formula calculated before the array it reads had spilled saw empty
// cells; it calculates again, as do the readers of cells a spill left. The
// rounds end when no spill changes, or after a few (spills that feed each
// other back).
void Calculator::settleSpills()
{
    constexpr int kMaxRounds = 8;
    if (settling_) {
        return;
    }
    settling_ = true;
    for (int round = 0; round < kMaxRounds && !spillChanges_.empty(); ++round) {
        std::vector<SpillChange> changes;
        changes.swap(spillChanges_);
        std::vector<PendingCell> cells;
        for (const SpillChange& c : changes) {
            for (int row = c.area.top; row <= c.area.bottom; ++row) {
                for (int column = c.area.left; column <= c.area.right; ++column) {
                    if (row != c.anchor.row || column != c.anchor.column) {
                        cells.push_back({c.sheetId, row, column});
                    }
                }
            }
        }
        recalculateCells(cells, false);
    }
    spillChanges_.clear();
    settling_ = false;
}

void Calculator::structureChanged()
{
    ++changes_;
    index_.invalidate();
    names_.clear();
}

void Calculator::recalculateAllLater()
{
    ++changes_;
    if (isUpdating()) {
        pendingOverflow_ = true;
    } else if (workbook_.automaticCalculation()) {
        calculateAll();
    }
}

const Formula* Calculator::nameFormula(const QString& name)
{
    const QString key = name.toUpper();
    auto it = names_.find(key);
    if (it == names_.end()) {
        const DefinedName* defined = workbook_.findName(name);
        if (!defined) {
            return nullptr;
        }
        it = names_.emplace(key, FormulaParser(workbook_).parse(defined->reference)).first;
    }
    return it->second.get();
}

Value Calculator::callProcedure(const FunctionEntry& entry, Evaluator& evaluator, std::span<const Operand> args)
{
    FormulaResult result(evaluator, evaluator.sheet(), evaluator.position());
    const ArgumentTokens tokens(args);
    const auto prefix = [&entry] { return entry.name + QStringLiteral(": "); };
    try {
        entry.procedure(result, tokens);
    } catch (const NeedsCalculation&) {
        throw;
    } catch (const SpreadsheetError& e) {
        evaluator.recordFailure(prefix() + e.message());
        return Value::error(ErrorCode::Value);
    } catch (const std::exception& e) {
        evaluator.recordFailure(prefix() + QString::fromLocal8Bit(e.what()));
        return Value::error(ErrorCode::Value);
    } catch (...) {
        evaluator.recordFailure(prefix() + QStringLiteral("erro desconhecido."));
        return Value::error(ErrorCode::Value);
    }
    return result.value();
}

}  // namespace spreadsheet
