#pragma once

#include "Operand.h"
#include "RangeGrowth.h"
#include "Token.h"
#include "functions/RangeReuse.h"

#include <spreadsheet/CellRange.h>
#include <spreadsheet/Value.h>

#include <QHash>

#include <optional>

#include <cstdint>
#include <span>
#include <vector>

namespace spreadsheet {

class Calculator;
struct BuiltinFunction;
class Formula;
class Sheet;
class Workbook;

// Thrown when a formula reads cells whose formulas are not calculated yet:
// the calculator calculates them first and then tries the formula again.
struct NeedsCalculation {
    std::vector<Formula*> formulas;
};

// The stack machine that runs a formula's postfix tokens.
class Evaluator {
public:
    Evaluator(Workbook& workbook, Calculator& calculator) : workbook_(workbook), calculator_(calculator) {}

    // In strict mode reading an uncalculated formula throws NeedsCalculation;
    // otherwise its last value is used.
    void setStrict(bool strict) { strict_ = strict; }
    // Called by the calculator before each round of calculation.
    void beginPass();
    // Outside strict mode a formula may read values that change later in the
    // same round, so functions get no pass to cache under.
    std::uint64_t calculationPass() const { return strict_ ? pass_ : 0; }
    Value evaluate(Formula& formula);

    // For functions: reading cells of the formula being calculated.
    Value cellValue(const Sheet& sheet, int row, int column);
    // Makes sure the formulas inside a range are calculated before a function
    // walks it.
    void prepareRange(const Sheet& sheet, const CellRange& range);
    Value scalar(const Operand& operand);
    // What functions may reuse of the ranges they read in this pass; none
    // outside strict mode or once the formula met a circular reference.
    RangeReuse* rangeReuse();
    // Totals over cells a spill now covers or left are no longer good.
    void forgetRangeTotals();
    // An operand as a block of values: a reference's cells (cut at the last
    // row and column its sheet uses), an array, or one value.
    ValueArray arrayOf(const Operand& operand);
    // A function's result that is a reference (INDEX, OFFSET, CHOOSE).
    void setReferenceResult(const Sheet* sheet, const CellRange& range);
    const Sheet& sheet() const { return *sheet_; }
    CellAddress position() const { return position_; }
    Workbook& workbook() const { return workbook_; }
    void recordFailure(const QString& message);

private:
    bool formulaReady(Formula& f);
    bool checkCalculated(const Sheet& sheet, const CellRange& range);
    Value spilledValue(const Sheet& sheet, int row, int column);
    void run(std::span<const Token> tokens, const Formula& formula, const Sheet* ownSheet);
    void pushReference(const Token& t, const Sheet* ownSheet);
    void pushName(const QString& name);
    void binary(OpCode op);
    void elementwise(OpCode op, const Operand& left, const Operand& right);
    void unary(OpCode op);
    void referenceOperator(OpCode op);
    void pushArray(int rows, int columns);
    void pushSpill(const Token& t, const Sheet* ownSheet);
    Value resultOf(const Operand& operand);
    void callBuiltin(int index, int argc);
    void callLifted(const BuiltinFunction& f, std::size_t base);
    void callCustom(const Token& t, const Formula& formula);
    Value popScalar();
    void pushValue(Value v);

    Workbook& workbook_;
    Calculator& calculator_;
    std::vector<Operand> stack_;
    // The resolved arguments of the custom calls under way, one list per
    // level of nesting, kept between calls so that they rarely allocate.
    std::vector<std::vector<Operand>> customArguments_;
    std::size_t customDepth_ = 0;
    std::optional<Operand> referenceResult_;
    std::vector<std::pair<QString, Operand>> locals_;  // names of the LETs being run
    const Sheet* sheet_ = nullptr;
    CellAddress position_;
    bool strict_ = true;
    bool circular_ = false;
    int nameDepth_ = 0;
    std::uint64_t pass_ = 0;
    // Ranges found fully calculated in this pass: they stay so until it
    // ends. Under each way of growing, how far the calculated ranges of a
    // key reach.
    QHash<GrowthKey, int> cleanRanges_;
    RangeReuse rangeReuse_;
};

}  // namespace spreadsheet
