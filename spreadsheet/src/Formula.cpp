#include "Formula.h"

#include "functions/BuiltinFunctions.h"

#include <algorithm>

namespace spreadsheet {

Formula::Formula(std::vector<Token> tokens, std::unique_ptr<FormulaExtras> extras)
    : heap_(tokens.size() > kInlineTokens ? std::make_unique<Token[]>(tokens.size()) : nullptr),
      tokenCount_(static_cast<std::uint32_t>(tokens.size())),
      extras_(std::move(extras))
{
    const auto builtins = builtinFunctions();
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        data()[i] = tokens[i];
        // A1:INDEX(...) reaches cells that no token names.
        volatile_ = volatile_ || tokens[i].op == OpCode::RangeOp;
        if (tokens[i].op != OpCode::Builtin) {
            continue;
        }
        const BuiltinFunction& f = builtins[static_cast<std::size_t>(tokens[i].a)];
        volatile_ = volatile_ || f.isVolatile;
        positional_ = positional_ || qstrcmp(f.name, "ROW") == 0 || qstrcmp(f.name, "COLUMN") == 0;
    }
}

std::unique_ptr<Formula> Formula::clone() const
{
    std::unique_ptr<Formula> copy(new Formula);
    copy->tokenCount_ = tokenCount_;
    if (tokenCount_ > kInlineTokens)
        copy->heap_ = std::make_unique<Token[]>(tokenCount_);
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
    return std::make_unique<Formula>(std::vector<Token>{}, std::move(extras));
}

}  // namespace spreadsheet
