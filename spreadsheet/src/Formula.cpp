#include "Formula.h"

#include "functions/BuiltinFunctions.h"

#include <algorithm>
#include <memory>

namespace spreadsheet {

std::unique_ptr<Formula> Formula::allocate(std::size_t tokenCount)
{
    void* memory = ::operator new(sizeof(Formula) + tokenCount * sizeof(Token));
    auto* formula = ::new (memory) Formula(static_cast<std::uint32_t>(tokenCount));
    std::uninitialized_default_construct_n(formula->data(), tokenCount);
    return std::unique_ptr<Formula>(formula);
}

std::unique_ptr<Formula> Formula::create(std::span<const Token> tokens, std::unique_ptr<FormulaExtras> extras)
{
    std::unique_ptr<Formula> formula = allocate(tokens.size());
    formula->extras_ = std::move(extras);
    const auto builtins = builtinFunctions();
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        formula->data()[i] = tokens[i];
        // A1:INDEX(...) reaches cells that no token names.
        formula->volatile_ = formula->volatile_ || tokens[i].op == OpCode::RangeOp;
        if (tokens[i].op != OpCode::Builtin) {
            continue;
        }
        const BuiltinFunction& f = builtins[static_cast<std::size_t>(tokens[i].a)];
        formula->volatile_ = formula->volatile_ || f.isVolatile;
        formula->positional_ = formula->positional_ || qstrcmp(f.name, "ROW") == 0 || qstrcmp(f.name, "COLUMN") == 0;
    }
    return formula;
}

std::unique_ptr<Formula> Formula::clone() const
{
    std::unique_ptr<Formula> copy = allocate(tokenCount_);
    std::copy(tokens().begin(), tokens().end(), copy->data());
    copy->volatile_ = volatile_;
    copy->positional_ = positional_;
    copy->extras_ = extras_;
    copy->cached = cached;
    return copy;
}

CellRange Formula::arrayArea() const
{
    if (!isArrayFormula()) {
        return CellRange::cell(row, column);
    }
    return {column, row, column + extras_->arrayColumns - 1, row + extras_->arrayRows - 1};
}

void Formula::setArrayArea(int rows, int columns)
{
    if (!extras_) {
        extras_ = std::make_shared<FormulaExtras>();
    } else if (extras_.use_count() > 1) {
        extras_ = std::make_shared<FormulaExtras>(*extras_);
    }
    extras_->arrayRows = rows > 1 || columns > 1 ? rows : 0;
    extras_->arrayColumns = rows > 1 || columns > 1 ? columns : 0;
}

std::unique_ptr<Formula> Formula::invalid(const QString& text, const QString& reason)
{
    auto extras = std::make_unique<FormulaExtras>();
    extras->sourceText = text;
    extras->parseError = reason;
    return create({}, std::move(extras));
}

}  // namespace spreadsheet
