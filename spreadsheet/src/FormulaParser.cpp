#include "FormulaParser.h"

#include "ParseState.h"

namespace spreadsheet {

std::unique_ptr<Formula> FormulaParser::parse(const QString& text) const
{
    if (text.size() > kMaxLength) {
        return Formula::invalid(text, QStringLiteral("Fórmula longa demais (mais de %1 caracteres).").arg(kMaxLength));
    }
    ParseState state(workbook_, text);
    try {
        state.parseFormula();
    } catch (const ParseFailure& failure) {
        return Formula::invalid(text, failure.reason);
    }
    std::unique_ptr<FormulaExtras> extras;
    if (state.usesStrings()) {
        extras = std::make_unique<FormulaExtras>();
        extras->strings = std::move(state.strings);
    }
    return Formula::create(state.tokens, std::move(extras));
}

}  // namespace spreadsheet
