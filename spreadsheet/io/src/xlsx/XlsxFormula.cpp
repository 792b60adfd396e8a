#include "XlsxFormula.h"

namespace spreadsheet::io {

void XlsxFormula::set_position(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col)
{
    cell_.row = row;
    cell_.column = col;
}

void XlsxFormula::set_formula(orcus::spreadsheet::formula_grammar_t, std::string_view formula)
{
    // The text is passed on as the file has it: Excel's syntax with ','
    // between arguments, which the engine's parser reads as it is.
    cell_.text = QString::fromUtf8(formula.data(), static_cast<qsizetype>(formula.size()));
}

Value XlsxFormula::cachedText(std::string_view text)
{
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    ErrorCode code;
    if (s.startsWith(u'#') && parseErrorText(s, code)) {
        return Value::error(code);
    }
    return Value(s);
}

void XlsxFormula::set_result_string(std::string_view value)
{
    cell_.cached = cachedText(value);
}

void XlsxFormula::commit()
{
    cell_.sheet = sheet_;
    table_.add(std::move(cell_));
    cell_ = {};
}

}  // namespace spreadsheet::io
