#pragma once

#include "SpillTable.h"

namespace spreadsheet {

class Formula;
class Sheet;

// Where a formula's result goes: an array spills over the cells below and to
// the right, unless one of them holds something (the area is then blocked);
// an array formula over a range fills that range. A single value gives a
// spill of the formula's cell alone.
Spill layOutResult(const Sheet& sheet, const Formula& formula, const Value& result);

}  // namespace spreadsheet
