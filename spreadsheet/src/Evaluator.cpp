#include "Evaluator.h"

#include "Calculator.h"
#include "Coercion.h"
#include "Formula.h"
#include "SheetData.h"
#include "functions/BuiltinFunctions.h"
#include "functions/CallContext.h"

#include <spreadsheet/FormulaResult.h>
#include <spreadsheet/FunctionRepository.h>
#include <spreadsheet/Workbook.h>

#include <cmath>

namespace spreadsheet {

namespace {

constexpr int kMaxNameDepth = 16;

Value numberResult(double x)
{
    return std::isfinite(x) ? Value(x) : Value::error(ErrorCode::Num);
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
    circular_ = false;
    nameDepth_ = 0;
    run(formula.tokens(), formula, sheet_);
    Value result = stack_.empty() ? Value() : scalar(stack_.back());
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
}

void Evaluator::recordFailure(const QString& message)
{
    calculator_.addFailure({sheet_->name(), position_.row, position_.column, message});
}

Value Evaluator::cellValue(const Sheet& sheet, int row, int column)
{
    const Cell* cell = sheet.data().cells.find(row, column);
    if (!cell || cell->kind != CellKind::Formula) {
        return cell ? cell->value() : Value();
    }
    Formula* f = cell->formula;
    switch (f->state) {
    case CalcState::Clean:
        break;
    case CalcState::Dirty:
    case CalcState::Queued:
        if (strict_) {
            throw NeedsCalculation{{f}};
        }
        break;
    case CalcState::Calculating:
    case CalcState::Waiting:
        circular_ = true;
        return Value::error(ErrorCode::Ref);
    }
    return f->cached.toValue();
}

void Evaluator::prepareRange(const Sheet& sheet, const CellRange& range)
{
    const CleanRangeKey key{&sheet, {(static_cast<std::uint64_t>(range.top) << 32) | static_cast<std::uint32_t>(range.bottom),
                                     (static_cast<std::uint32_t>(range.left) << 16) | static_cast<std::uint32_t>(range.right)}};
    if (strict_ && cleanRanges_.contains(key)) {
        return;
    }
    NeedsCalculation needed;
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
            circular_ = true;
            break;
        }
    });
    if (!strict_) {
        return;
    }
    if (!needed.formulas.empty()) {
        throw needed;
    }
    if (!circular_) {
        cleanRanges_.insert(key);
    }
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
    const Value right = popScalar();
    const Value left = popScalar();
    if (left.isError()) {
        pushValue(left);
        return;
    }
    if (right.isError()) {
        pushValue(right);
        return;
    }
    if (op == OpCode::Concat) {
        pushValue(Value(coerce::toText(left) + coerce::toText(right)));
        return;
    }
    if (op >= OpCode::Eq && op <= OpCode::Ge) {
        const int c = coerce::compare(left, right);
        static constexpr bool kTable[6][3] = {
            // less, equal, greater
            {false, true, false}, {true, false, true}, {true, false, false},
            {false, false, true}, {true, true, false}, {false, true, true},
        };
        pushValue(Value::boolean(kTable[static_cast<int>(op) - static_cast<int>(OpCode::Eq)][c + 1]));
        return;
    }
    double x = 0.0;
    double y = 0.0;
    ErrorCode error = ErrorCode::Value;
    if (!coerce::toNumber(left, x, error) || !coerce::toNumber(right, y, error)) {
        pushValue(Value::error(error));
        return;
    }
    switch (op) {
    case OpCode::Add:
        pushValue(numberResult(x + y));
        break;
    case OpCode::Sub:
        pushValue(numberResult(x - y));
        break;
    case OpCode::Mul:
        pushValue(numberResult(x * y));
        break;
    case OpCode::Div:
        pushValue(y == 0.0 ? Value::error(ErrorCode::Div0) : numberResult(x / y));
        break;
    default:
        pushValue(x == 0.0 && y == 0.0 ? Value::error(ErrorCode::Num) : numberResult(std::pow(x, y)));
        break;
    }
}

void Evaluator::unary(OpCode op)
{
    const Value v = popScalar();
    if (op == OpCode::Plus || v.isError()) {
        pushValue(v);
        return;
    }
    double x = 0.0;
    ErrorCode error = ErrorCode::Value;
    if (!coerce::toNumber(v, x, error)) {
        pushValue(Value::error(error));
        return;
    }
    pushValue(op == OpCode::Neg ? Value(-x) : Value(x / 100.0));
}

void Evaluator::callBuiltin(int index, int argc)
{
    const BuiltinFunction& f = builtinFunctions()[static_cast<std::size_t>(index)];
    const std::size_t base = stack_.size() - static_cast<std::size_t>(argc);
    for (std::size_t i = base; i < stack_.size(); ++i) {
        if (stack_[i].kind == Operand::Kind::Reference && stack_[i].sheet) {
            prepareRange(*stack_[i].sheet, stack_[i].range);
        }
    }
    const CallContext context(*this, std::span<const Operand>(stack_).subspan(base));
    Value result = f.call(context);
    stack_.resize(base);
    if (result.isNumber() && !std::isfinite(result.number())) {
        result = Value::error(ErrorCode::Num);
    }
    pushValue(std::move(result));
}

void Evaluator::callCustom(const Token& t, const Formula& formula)
{
    const std::size_t base = stack_.size() - static_cast<std::size_t>(t.b);
    const FunctionEntry* entry = FunctionRepository::instance().find(formula.string(t.a));
    const auto args = std::span<const Operand>(stack_).subspan(base);
    Value result;
    if (!entry) {
        result = Value::error(ErrorCode::Name);
    } else if (t.b < entry->requiredCount) {
        result = Value::error(ErrorCode::Value);
    } else {
        // Arguments are read as values: an error among them is the result.
        std::vector<Operand> resolved(args.begin(), args.end());
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
            result = calculator_.callProcedure(*entry, *this, resolved);
        }
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
        default:
            binary(t.op);
            break;
        }
    }
}

}  // namespace spreadsheet
