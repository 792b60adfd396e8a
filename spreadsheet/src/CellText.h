#pragma once

#include <spreadsheet/Value.h>

#include <QString>

namespace spreadsheet {

// The text a cell is edited as: full precision, no grouping, the locale's
// decimal separator, so that codes and lists read back exactly.
QString editText(const Value& value);
// What typed text means when formulas and constants are recognised (the
// formula case is handled by the caller): numbers, booleans, error literals,
// and text. A leading apostrophe forces text.
Value recognizeConstant(const QString& text);

}  // namespace spreadsheet
