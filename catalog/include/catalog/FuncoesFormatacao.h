#pragma once

namespace spreadsheet {
class ArgumentTokens;
class FormulaResult;
}  // namespace spreadsheet

namespace catalog {

// The formatting functions as formula procedures. The format, mask or count
// is read only when a second argument is written; without one the format and
// mask are empty and the count is 0. Every failure, a first argument that
// does not convert included, becomes the value error.

// FORMATARDATAHORA(value; format): the first argument a number or a date
// text; see FormatoDataHora.
void FuncaoFormatarDataHora(spreadsheet::FormulaResult& resultado, const spreadsheet::ArgumentTokens& argumentos);
// FMTNUM(number; mask): every 9 in the mask stands for #; see MascaraNumerica.
void FuncaoFmtNum(spreadsheet::FormulaResult& resultado, const spreadsheet::ArgumentTokens& argumentos);
// REPT(text; count): see Repeticao.
void FuncaoRept(spreadsheet::FormulaResult& resultado, const spreadsheet::ArgumentTokens& argumentos);

}  // namespace catalog
