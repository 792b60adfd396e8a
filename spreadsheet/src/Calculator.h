#pragma once

#include "DependencyIndex.h"
#include "Evaluator.h"

#include <spreadsheet/CalculationFailure.h>

#include <QHash>
#include <unordered_map>
#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace spreadsheet {

struct FunctionEntry;
class Formula;
class Sheet;
class Workbook;

// Decides what to calculate and in which order. Formulas are calculated
// from an explicit stack rather than by recursion, so that a chain of tens of
// thousands of cells cannot exhaust the call stack, and a formula that meets
// itself on that stack is a circular reference.
class Calculator {
public:
    explicit Calculator(Workbook& workbook);
    ~Calculator();

    void calculateAll();
    // A full calculation, unless nothing the formulas can see has changed
    // since the last one.
    void calculateAllIfChanged();
    // Something formulas may depend on changed outside the cells (layout,
    // the workbook's tag).
    void noteChange() { ++changes_; }
    void beginUpdate() { ++updateDepth_; }
    void endUpdate();
    bool isUpdating() const { return updateDepth_ > 0; }

    // Notifications of the model.
    void formulaAdded(Formula& formula);
    void formulaRemoved(Formula& formula);
    void cellChanged(const Sheet& sheet, int row, int column);
    void structureChanged();  // sheets, names or many cells changed at once
    // Everything is recalculated now, or at the end of the current batch; not
    // at all while calculation is manual.
    void recalculateAllLater();

    const Formula* nameFormula(const QString& name);
    int activeSheetId() const;
    Value callProcedure(const FunctionEntry& entry, Evaluator& evaluator, std::span<const Operand> args);

    void setInterrupt(std::function<bool()> interrupt) { interrupt_ = std::move(interrupt); }

    void addFailure(CalculationFailure failure) { failures_.push_back(std::move(failure)); }
    const std::vector<CalculationFailure>& failures() const { return failures_; }
    // Completed formula evaluations since the workbook was created.
    std::uint64_t evaluationCount() const { return evaluations_; }
    const DependencyIndex& dependencyIndex() const { return index_; }

private:
    struct PendingCell {
        int sheetId;
        int row;
        int column;
    };

    void recalculateChanged(const std::vector<PendingCell>& changed);
    void recalculateCells(const std::vector<PendingCell>& changed, bool withVolatile);
    // Stores a formula's result, laying an array out over the cells it spills into.
    void store(Formula& formula, const Value& result);
    // Formulas that read cells an array spilled into (or left) calculate again.
    void settleSpills();
    void calculateManually(const std::vector<PendingCell>& changed);
    void run(Formula& formula);
    void checkInterrupt();
    [[noreturn]] void abandon();
    void forgetFailures(const Formula& formula);
    Formula* formulaAt(const PendingCell& cell) const;

    Workbook& workbook_;
    Evaluator evaluator_;
    DependencyIndex index_;
    std::unordered_map<QString, std::unique_ptr<Formula>> names_;
    std::vector<CalculationFailure> failures_;
    std::vector<PendingCell> pending_;
    std::vector<Formula*> stack_;
    struct SpillChange {
        int sheetId;
        CellRange area;
        CellAddress anchor;
    };
    std::vector<SpillChange> spillChanges_;
    bool settling_ = false;
    bool pendingOverflow_ = false;
    int updateDepth_ = 0;
    std::uint64_t evaluations_ = 0;
    std::uint64_t changes_ = 0;
    std::optional<std::uint64_t> calculatedAt_;
    std::function<bool()> interrupt_;
    std::uint32_t stepsSinceCheck_ = 0;
    std::chrono::steady_clock::time_point lastCheck_;
};

}  // namespace spreadsheet
