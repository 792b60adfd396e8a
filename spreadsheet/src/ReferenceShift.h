#pragma once

namespace spreadsheet {

class Formula;

// Moves the relative parts of a formula's references by an offset, as a copy
// pasted elsewhere expects; a reference pushed off the sheet becomes #REF!.
void shiftRelativeReferences(Formula& formula, int rows, int columns);

}  // namespace spreadsheet
