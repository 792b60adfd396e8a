#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

namespace spreadsheet {

// How a person writes formulas. The engine and the files keep one canonical
// form ('.' decimal point, ';' between arguments, English function names);
// the user types and reads the form of the chosen convention.
//   Brazilian: ';' between arguments, ',' decimal mark, Portuguese names, VERDADEIRO/FALSO.
//   English:   ',' (or ';') between arguments, '.' decimal point, English names.
enum class FormulaConvention : std::uint8_t { Brazilian, English };

// "pt-BR" or "en", in any case. Throws SpreadsheetError for any other name.
FormulaConvention formulaConventionFromName(QStringView name);
QString formulaConventionName(FormulaConvention convention);

// Both translations change only separators, decimal marks, function names and
// boolean words; spacing, strings and sheet names are kept as they are. A text
// that does not start with '=' is no formula and comes back unchanged.

// Canonical formula text, as Sheet::text gives it -> the text the user reads.
QString formulaForUser(const QString& canonical, FormulaConvention convention);
// What the user typed -> canonical text for Sheet::setText. Throws
// SpreadsheetError when the text cannot be read unambiguously in the convention.
QString formulaFromUser(const QString& typed, FormulaConvention convention);

}  // namespace spreadsheet
