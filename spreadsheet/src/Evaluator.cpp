#include "Evaluator.h"

#include "Calculator.h"
#include "Coercion.h"
#include "Formula.h"
#include "SheetData.h"
#include "functions/BuiltinFunctions.h"
#include "functions/CallContext.h"
#include "functions/Results.h"

#include <spreadsheet/FormulaResult.h>
#include <spreadsheet/FunctionRepository.h>
#include <spreadsheet/Limits.h>
#include <spreadsheet/Workbook.h>

#include <algorithm>
#include <cmath>

namespace spreadsheet {

namespace {

constexpr int kMaxNameDepth = limits::kNameDepth;
constexpr int kMaxText = limits::kCellText;

// A function's result as a cell may hold it: no infinity or NaN, and no
// text longer than a cell takes, so that no chain of cells can grow a text
// without bound.
Value bounded(Value v)
{
    if (v.isNumber() && !std::isfinite(v.number())) {
        return Value::error(ErrorCode::Num);
    }
    if (v.isText() && v.text().size() > kMaxText) {
        return Value::error(ErrorCode::Value);
    }
    return v;
}

Value applyBinary(OpCode op, const Value& left, const Value& right)
{
    if (left.isError()) {
        return left;
    }
    if (right.isError()) {
        return right;
    }
    if (op == OpCode::Concat) {
        // Checked before joining: a chain of cells each doubling its
        // neighbour's text would otherwise reach gigabytes in thirty steps.
        const QString a = coerce::toText(left);
        const QString b = coerce::toText(right);
        return a.size() + b.size() > kMaxText ? Value::error(ErrorCode::Value) : Value(a + b);
    }
    if (op >= OpCode::Eq && op <= OpCode::Ge) {
        const int c = coerce::compare(left, right);
        static constexpr bool kTable[6][3] = {
            // less, equal, greater
            {false, true, false}, {true, false, true}, {true, false, false},
            {false, false, true}, {true, true, false}, {false, true, true},
        };
        return Value::boolean(kTable[static_cast<int>(op) - static_cast<int>(OpCode::Eq)][c + 1]);
    }
    double x = 0.0;
    double y = 0.0;
    ErrorCode error = ErrorCode::Value;
    if (!coerce::toNumber(left, x, error) || !coerce::toNumber(right, y, error)) {
        return Value::error(error);
    }
    switch (op) {
    case OpCode::Add:
        return functions::numberOrNum(x + y);
    case OpCode::Sub:
        return functions::numberOrNum(x - y);
    case OpCode::Mul:
        return functions::numberOrNum(x * y);
    case OpCode::Div:
        return y == 0.0 ? Value::error(ErrorCode::Div0) : functions::numberOrNum(x / y);
    default:
        return x == 0.0 && y == 0.0 ? Value::error(ErrorCode::Num) : functions::numberOrNum(std::pow(x, y));
    }
}

Value applyUnary(OpCode op, const Value& v)
{
    if (op == OpCode::Plus || v.isError()) {
        return v;
    }
    double x = 0.0;
    ErrorCode error = ErrorCode::Value;
    if (!coerce::toNumber(v, x, error)) {
        return Value::error(error);
    }
    return op == OpCode::Neg ? Value(-x) : Value(x / 100.0);
}

// Two sizes of an element-wise operation: a single row or column stretches
// over the other; otherwise the larger size, with #N/A where one side ends.
int broadcast(int a, int b)
{
    return a == 1 ? b : b == 1 ? a : std::max(a, b);
}

CellRange boundingBox(const CellRange& a, const CellRange& b)
{
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

}  // namespace

Value Evaluator::evaluate(Formula& formula)
{
    sheet_ = formula.sheet;
    position_ = {formula.row, formula.column};
    if (!formula.isValid()) {
        return Value::error(ErrorCode::Name);
    }
    stack_.clear();
    locals_.clear();
    circular_ = false;
    nameDepth_ = 0;
    run(formula.tokens(), formula, sheet_);
    referenceResult_.reset();
    Value result = stack_.empty() ? Value() : resultOf(stack_.back());
    if (circular_) {
        recordFailure(QStringLiteral("Referência circular."));
        return Value::error(ErrorCode::Ref);
    }
    return result.isEmpty() ? Value(0.0) : result;
}

void Evaluator::beginPass()
{
    // Unique across workbooks, so caches keyed by sheet and pass never mix them up.
    static std::uint64_t passes = 0;
    pass_ = ++passes;
    cleanRanges_.clear();
    rangeReuse_.clear();
}

void Evaluator::forgetRangeTotals()
{
    rangeReuse_.clear();
}

RangeReuse* Evaluator::rangeReuse()
{
    return strict_ && !circular_ && RangeReuse::enabled() ? &rangeReuse_ : nullptr;
}

void Evaluator::recordFailure(const QString& message)
{
    calculator_.addFailure({sheet_->name(), position_.row, position_.column, message});
}

Value Evaluator::cellValue(const Sheet& sheet, int row, int column)
{
    const Cell* cell = sheet.data().cells.find(row, column);
    if (!cell || cell->kind == CellKind::Empty) {
        return spilledValue(sheet, row, column);
    }
    if (cell->kind != CellKind::Formula) {
        return cell->value();
    }
    Formula* f = cell->formula;
    if (!formulaReady(*f)) {
        return Value::error(ErrorCode::Ref);
    }
    return f->cached.toValue();
}

// False for a formula on the calculation stack: a circular reference.
bool Evaluator::formulaReady(Formula& f)
{
    switch (f.state) {
    case CalcState::Clean:
        return true;
    case CalcState::Dirty:
    case CalcState::Queued:
        if (strict_) {
            throw NeedsCalculation{{&f}};
        }
        return true;
    case CalcState::Calculating:
    case CalcState::Waiting:
        circular_ = true;
        return false;
    }
    return true;
}

Value Evaluator::spilledValue(const Sheet& sheet, int row, int column)
{
    const SpillTable& spills = sheet.data().spills;
    if (spills.empty()) {
        return {};
    }
    CellAddress anchor;
    const Spill* spill = spills.covering(row, column, &anchor);
    if (!spill || !spill->values || (anchor.row == row && anchor.column == column)) {
        return {};
    }
    const Cell* owner = sheet.data().cells.find(anchor.row, anchor.column);
    if (owner && owner->kind == CellKind::Formula && !formulaReady(*owner->formula)) {
        return Value::error(ErrorCode::Ref);
    }
    return spill->values->at(row - anchor.row, column - anchor.column);
}

void Evaluator::prepareRange(const Sheet& sheet, const CellRange& range)
{
    // A range that extends one found calculated in this pass ($A$1:A9 after
    // $A$1:A8) has only its new cells to check: a running total down a
    // column costs one cell per formula, not the whole column.
    // A lone cell is checked directly: remembering it costs more than
    // looking at it, and a range extending it checks one cell more.
    if (range.isSingleCell()) {
        checkCalculated(sheet, range);
        return;
    }
    CellRange unchecked = range;
    std::optional<Growth> extended;
    if (strict_) {
        for (const Growth g : kGrowths) {
            const auto it = cleanRanges_.constFind(growthKey(&sheet, range, g));
            if (it == cleanRanges_.constEnd()) {
                continue;
            }
            if (reachHolds(g, *it, reachOf(range, g))) {
                return;
            }
            unchecked = pastReach(range, g, *it);
            extended = g;
            break;
        }
    }
    if (!checkCalculated(sheet, unchecked) || !strict_) {
        return;
    }
    if (extended) {
        // The range goes on growing the same way: its other keys would not be met again.
        cleanRanges_[growthKey(&sheet, range, *extended)] = reachOf(range, *extended);
        return;
    }
    for (const Growth g : kGrowths) {
        cleanRanges_.insert(growthKey(&sheet, range, g), reachOf(range, g));
    }
}

// Whether every formula of the range is calculated; throws for the ones
// still to calculate, in strict mode.
bool Evaluator::checkCalculated(const Sheet& sheet, const CellRange& range)
{
    NeedsCalculation needed;
    bool cycle = false;
    sheet.data().cells.forEachFormula(range, [&](int, int, const Cell& cell) {
        Formula* f = cell.formula;
        switch (f->state) {
        case CalcState::Clean:
            break;
        case CalcState::Dirty:
        case CalcState::Queued:
            needed.formulas.push_back(f);
            break;
        case CalcState::Calculating:
        case CalcState::Waiting:
            cycle = true;
            break;
        }
    });
    // Cells that an array spilled into wait for its formula too.
    sheet.data().spills.forEachAnchorMeeting(range, [&](int row, int column) {
        const Cell* owner = sheet.data().cells.find(row, column);
        if (owner && owner->kind == CellKind::Formula && owner->formula->state != CalcState::Clean) {
            if (owner->formula->state == CalcState::Dirty || owner->formula->state == CalcState::Queued) {
                needed.formulas.push_back(owner->formula);
            } else {
                cycle = true;
            }
        }
    });
    circular_ = circular_ || cycle;
    if (strict_ && !needed.formulas.empty()) {
        throw needed;
    }
    return needed.formulas.empty() && !cycle;
}

Value Evaluator::scalar(const Operand& operand)
{
    switch (operand.kind) {
    case Operand::Kind::Value:
        // An array where one value is wanted gives its first element.
        return operand.value.isArray() ? operand.value.array().at(0, 0) : operand.value;
    case Operand::Kind::Missing:
        return {};
    case Operand::Kind::Reference:
        break;
    }
    if (!operand.sheet) {
        return Value::error(ErrorCode::Ref);
    }
    const CellRange& r = operand.range;
    if (r.isSingleCell()) {
        return cellValue(*operand.sheet, r.top, r.left);
    }
    // Implicit intersection with the formula's own row or column.
    if (r.left == r.right && position_.row >= r.top && position_.row <= r.bottom) {
        return cellValue(*operand.sheet, position_.row, r.left);
    }
    if (r.top == r.bottom && position_.column >= r.left && position_.column <= r.right) {
        return cellValue(*operand.sheet, r.top, position_.column);
    }
    return Value::error(ErrorCode::Value);
}

void Evaluator::pushValue(Value v)
{
    Operand o;
    o.value = std::move(v);
    stack_.push_back(std::move(o));
}

Value Evaluator::popScalar()
{
    Value v = scalar(stack_.back());
    stack_.pop_back();
    return v;
}

void Evaluator::pushReference(const Token& t, const Sheet* ownSheet)
{
    const Sheet* sheet = t.sheet == kOwnSheet ? ownSheet : workbook_.sheetById(t.sheet);
    if (!sheet) {
        pushValue(Value::error(ErrorCode::Ref));  // the sheet was deleted
        return;
    }
    const CellRange range = t.op == OpCode::Range ? t.rangeValue() : CellRange::cell(t.a, t.b);
    stack_.push_back(Operand::reference(sheet, range));
}

void Evaluator::pushName(const QString& name)
{
    for (auto it = locals_.rbegin(); it != locals_.rend(); ++it) {
        if (it->first.compare(name, Qt::CaseInsensitive) == 0) {
            stack_.push_back(it->second);
            return;
        }
    }
    const Formula* compiled = calculator_.nameFormula(name);
    if (!compiled) {
        pushValue(Value::error(ErrorCode::Name));
        return;
    }
    if (nameDepth_ >= kMaxNameDepth) {
        circular_ = true;
        pushValue(Value::error(ErrorCode::Ref));
        return;
    }
    ++nameDepth_;
    const std::size_t base = stack_.size();
    run(compiled->tokens(), *compiled, &workbook_.activeSheet());
    --nameDepth_;
    if (stack_.size() != base + 1) {
        stack_.resize(base);
        pushValue(Value::error(ErrorCode::Ref));
    }
}

void Evaluator::binary(OpCode op)
{
    if (stack_.back().isArrayLike() || stack_[stack_.size() - 2].isArrayLike()) {
        const Operand right = std::move(stack_.back());
        stack_.pop_back();
        const Operand left = std::move(stack_.back());
        stack_.pop_back();
        elementwise(op, left, right);
        return;
    }
    const Value right = popScalar();
    const Value left = popScalar();
    pushValue(applyBinary(op, left, right));
}

void Evaluator::elementwise(OpCode op, const Operand& left, const Operand& right)
{
    const ValueArray a = arrayOf(left);
    const ValueArray b = arrayOf(right);
    ValueArray out(broadcast(a.rows(), b.rows()), broadcast(a.columns(), b.columns()));
    for (int r = 0; r < out.rows(); ++r) {
        for (int c = 0; c < out.columns(); ++c) {
            out.at(r, c) = applyBinary(op, a.stretchedAt(r, c), b.stretchedAt(r, c));
        }
    }
    pushValue(Value::array(std::move(out)));
}

void Evaluator::unary(OpCode op)
{
    if (stack_.back().isArrayLike()) {
        ValueArray a = arrayOf(stack_.back());
        stack_.pop_back();
        for (Value& v : a.items()) {
            v = applyUnary(op, v);
        }
        pushValue(Value::array(std::move(a)));
        return;
    }
    pushValue(applyUnary(op, popScalar()));
}

// A1:INDEX(...) spans both; a space keeps what both share; (A;B) keeps both.
void Evaluator::referenceOperator(OpCode op)
{
    const Operand right = std::move(stack_.back());
    stack_.pop_back();
    const Operand left = std::move(stack_.back());
    stack_.pop_back();
    if (!left.isReference() || !right.isReference() || !left.sheet || !right.sheet) {
        const Value& error = left.kind == Operand::Kind::Value && left.value.isError() ? left.value : right.value;
        pushValue(error.isError() ? error : Value::error(ErrorCode::Value));
        return;
    }
    if (left.sheet != right.sheet) {
        pushValue(Value::error(op == OpCode::Union ? ErrorCode::Value : ErrorCode::Ref));
        return;
    }
    if (op == OpCode::Union) {
        auto areas = std::make_shared<std::vector<CellRange>>();
        if (left.moreAreas) {
            *areas = *left.moreAreas;
        }
        areas->push_back(right.range);
        if (right.moreAreas) {
            areas->insert(areas->end(), right.moreAreas->begin(), right.moreAreas->end());
        }
        Operand o = Operand::reference(left.sheet, left.range);
        o.moreAreas = std::move(areas);
        stack_.push_back(std::move(o));
        return;
    }
    if (op == OpCode::RangeOp) {
        CellRange box = boundingBox(left.range, right.range);
        for (const Operand* side : {&left, &right}) {
            if (side->moreAreas) {
                for (const CellRange& r : *side->moreAreas) {
                    box = boundingBox(box, r);
                }
            }
        }
        stack_.push_back(Operand::reference(left.sheet, box));
        return;
    }
    const CellRange& a = left.range;
    const CellRange& b = right.range;
    const CellRange common{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                           std::min(a.bottom, b.bottom)};
    if (common.left > common.right || common.top > common.bottom) {
        pushValue(Value::error(ErrorCode::Null));
        return;
    }
    stack_.push_back(Operand::reference(left.sheet, common));
}

void Evaluator::pushArray(int rows, int columns)
{
    const std::size_t count = static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns);
    std::vector<Value> items;
    items.reserve(count);
    for (std::size_t i = stack_.size() - count; i < stack_.size(); ++i) {
        items.push_back(stack_[i].value);
    }
    stack_.resize(stack_.size() - count);
    pushValue(Value::array(ValueArray(rows, columns, std::move(items))));
}

// A1#: the area that the formula in A1 fills now.
void Evaluator::pushSpill(const Token& t, const Sheet* ownSheet)
{
    const Sheet* sheet = t.sheet == kOwnSheet ? ownSheet : workbook_.sheetById(t.sheet);
    if (!sheet) {
        pushValue(Value::error(ErrorCode::Ref));
        return;
    }
    cellValue(*sheet, t.a, t.b);  // calculates the formula first
    const Spill* spill = sheet->data().spills.anchoredAt(t.a, t.b);
    if (!spill || !spill->values) {
        pushValue(Value::error(ErrorCode::Ref));
        return;
    }
    stack_.push_back(Operand::reference(sheet, spill->area));
}

ValueArray Evaluator::arrayOf(const Operand& o)
{
    if (o.kind == Operand::Kind::Value) {
        return o.value.isArray() ? o.value.array() : ValueArray(1, 1, {o.value});
    }
    if (o.kind == Operand::Kind::Missing) {
        return ValueArray(1, 1);
    }
    if (!o.sheet || o.isMultiArea()) {
        return ValueArray(1, 1, {Value::error(o.sheet ? ErrorCode::Value : ErrorCode::Ref)});
    }
    const Sheet& sheet = *o.sheet;
    const CellRange& r = o.range;
    prepareRange(sheet, r);
    const SheetData& data = sheet.data();
    const int bottom = std::max(r.top, std::min(r.bottom, std::max(data.cells.lastRow(), data.spills.lastRow())));
    const int right =
        std::max(r.left, std::min(r.right, std::max(data.cells.lastColumn(), data.spills.lastColumn())));
    ValueArray out(bottom - r.top + 1, right - r.left + 1);
    for (int row = r.top; row <= bottom; ++row) {
        for (int column = r.left; column <= right; ++column) {
            out.at(row - r.top, column - r.left) = cellValue(sheet, row, column);
        }
    }
    return out;
}

void Evaluator::setReferenceResult(const Sheet* sheet, const CellRange& range)
{
    referenceResult_ = Operand::reference(sheet, range);
}

// What a formula gives its cell: a range of several cells spills as an array.
Value Evaluator::resultOf(const Operand& operand)
{
    if (!operand.isArrayLike()) {
        return scalar(operand);
    }
    ValueArray a = arrayOf(operand);
    if (a.size() == 1) {
        return a.at(0, 0);
    }
    return Value::array(std::move(a));
}

void Evaluator::callBuiltin(int index, int argc)
{
    const BuiltinFunction& f = builtinFunctions()[static_cast<std::size_t>(index)];
    const std::size_t base = stack_.size() - static_cast<std::size_t>(argc);
    for (std::size_t i = base; i < stack_.size(); ++i) {
        const Operand& o = stack_[i];
        if (o.isArrayLike() && !takesRange(f, static_cast<int>(i - base))) {
            callLifted(f, base);
            return;
        }
    }
    for (std::size_t i = base; i < stack_.size(); ++i) {
        if (stack_[i].kind == Operand::Kind::Reference && stack_[i].sheet) {
            prepareRange(*stack_[i].sheet, stack_[i].range);
            if (stack_[i].moreAreas) {
                for (const CellRange& r : *stack_[i].moreAreas) {
                    prepareRange(*stack_[i].sheet, r);
                }
            }
        }
    }
    const CallContext context(*this, std::span<const Operand>(stack_).subspan(base));
    referenceResult_.reset();
    Value result = f.call(context);
    stack_.resize(base);
    if (referenceResult_) {
        stack_.push_back(std::move(*referenceResult_));
        referenceResult_.reset();
        return;
    }
    pushValue(bounded(std::move(result)));
}

// A function given an array where it takes one value runs once per element:
// ABS(A1:A9) is the array of the nine absolute values.
void Evaluator::callLifted(const BuiltinFunction& f, std::size_t base)
{
    std::vector<Operand> args(stack_.begin() + static_cast<std::ptrdiff_t>(base), stack_.end());
    std::vector<std::optional<ValueArray>> lifted(args.size());
    int rows = 1;
    int columns = 1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i].isArrayLike() && !takesRange(f, static_cast<int>(i))) {
            lifted[i] = arrayOf(args[i]);
            rows = broadcast(rows, lifted[i]->rows());
            columns = broadcast(columns, lifted[i]->columns());
        } else if (args[i].kind == Operand::Kind::Reference && args[i].sheet) {
            prepareRange(*args[i].sheet, args[i].range);
        }
    }
    ValueArray out(rows, columns);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            for (std::size_t i = 0; i < args.size(); ++i) {
                if (lifted[i]) {
                    args[i] = Operand();
                    args[i].value = lifted[i]->stretchedAt(r, c);
                }
            }
            referenceResult_.reset();
            Value v = f.call(CallContext(*this, args));
            if (referenceResult_) {
                v = scalar(*referenceResult_);
                referenceResult_.reset();
            }
            if (v.isArray()) {
                v = v.array().at(0, 0);
            }
            out.at(r, c) = bounded(std::move(v));
        }
    }
    stack_.resize(base);
    pushValue(Value::array(std::move(out)));
}

void Evaluator::callCustom(const Token& t, const Formula& formula)
{
    const std::size_t base = stack_.size() - static_cast<std::size_t>(t.b);
    const FunctionRepository& repository = FunctionRepository::instance();
    const FunctionEntry* entry = t.c > 0 ? &repository.entry(t.c - 1) : repository.find(formula.string(t.a));
    const auto args = std::span<const Operand>(stack_).subspan(base);
    Value result;
    if (!entry) {
        result = Value::error(ErrorCode::Name);
    } else if (t.b < entry->requiredCount) {
        result = Value::error(ErrorCode::Value);
    } else {
        // Arguments are read as values: an error among them is the result.
        // A procedure may calculate other cells, which call procedures too.
        if (customArguments_.size() == customDepth_)
            customArguments_.emplace_back();
        std::vector<Operand>& resolved = customArguments_[customDepth_];
        resolved.assign(args.begin(), args.end());
        for (Operand& o : resolved) {
            if (o.kind == Operand::Kind::Reference) {
                o.value = scalar(o);
                o.kind = Operand::Kind::Value;
            }
            if (o.value.isError() && !result.isError()) {
                result = o.value;
            }
        }
        if (!result.isError()) {
            ++customDepth_;
            struct Nivel {
                std::size_t& depth;
                ~Nivel() { --depth; }
            } nivel{customDepth_};
            result = calculator_.callProcedure(*entry, *this, resolved);
        }
        // Not through `resolved`: a nested call may have moved the lists.
        customArguments_[customDepth_].clear();
    }
    stack_.resize(base);
    pushValue(std::move(result));
}

void Evaluator::run(std::span<const Token> tokens, const Formula& formula, const Sheet* ownSheet)
{
    for (const Token& t : tokens) {
        switch (t.op) {
        case OpCode::Number:
            pushValue(Value(t.numberValue()));
            break;
        case OpCode::String:
            pushValue(Value(formula.string(t.a)));
            break;
        case OpCode::Boolean:
            pushValue(Value::boolean(t.a != 0));
            break;
        case OpCode::Error:
            pushValue(Value::error(static_cast<ErrorCode>(t.a)));
            break;
        case OpCode::Missing:
            stack_.push_back(Operand::missing());
            break;
        case OpCode::Ref:
        case OpCode::Range:
            pushReference(t, ownSheet);
            break;
        case OpCode::BadRef:
            pushValue(Value::error(ErrorCode::Ref));
            break;
        case OpCode::Name:
            pushName(formula.string(t.a));
            break;
        case OpCode::Builtin:
            callBuiltin(t.a, t.b);
            break;
        case OpCode::Custom:
            callCustom(t, formula);
            break;
        case OpCode::Neg:
        case OpCode::Plus:
        case OpCode::Percent:
            unary(t.op);
            break;
        case OpCode::Paren:
            break;
        case OpCode::RangeOp:
        case OpCode::Intersect:
        case OpCode::Union:
            referenceOperator(t.op);
            break;
        case OpCode::Array:
            pushArray(t.a, t.b);
            break;
        case OpCode::SpillRef:
            pushSpill(t, ownSheet);
            break;
        case OpCode::LetBind:
            locals_.emplace_back(formula.string(t.a), std::move(stack_.back()));
            stack_.pop_back();
            break;
        case OpCode::LetEnd:
            locals_.resize(locals_.size() - static_cast<std::size_t>(t.a));
            break;
        default:
            binary(t.op);
            break;
        }
    }
}

}  // namespace spreadsheet
