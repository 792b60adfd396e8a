#pragma once

#include <cstdint>

// The bounds every workbook is kept within, whether typed, pasted, read from
// a file or made by a generation run. Each is checked where the thing is
// made, with a Portuguese message that names the bound; the file readers
// also keep a workbook under a memory budget while they build it, so that a
// hostile or damaged file is refused before it takes the machine's memory.
namespace spreadsheet::limits {

// Characters of a formula's text, and parentheses and calls inside one
// another in it. The parser refuses deeper formulas, so evaluating one
// never recurses further than this.
inline constexpr int kFormulaLength = 8192;
inline constexpr int kFormulaNesting = 64;
inline constexpr int kFunctionArguments = 255;
// Defined names that refer to other names, followed before #NAME?.
inline constexpr int kNameDepth = 16;
// Characters of a cell's text, as in Excel; a formula whose text result
// would be longer gives #VALUE!.
inline constexpr int kCellText = 32767;
// Sheets made in one workbook's life: their ids fit a 16-bit token field.
inline constexpr int kSheets = 0xFFFE;
// Distinct cell styles of a workbook, and defined names (looked up by
// name, one after another, so their number is kept modest).
inline constexpr int kStyles = 65536;
inline constexpr int kNames = 10000;
inline constexpr int kNameLength = 255;
// Estimated memory of a workbook a file reader builds.
inline constexpr std::int64_t kLoadBytes = std::int64_t{4} << 30;

}  // namespace spreadsheet::limits
