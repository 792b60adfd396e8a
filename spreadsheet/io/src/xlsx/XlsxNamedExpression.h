#pragma once

#include "XlsxPackageScan.h"

#include <vector>

namespace spreadsheet::io {

class ImportSink;

// Hands the file's defined names to the sink. The workbook has workbook-wide
// names only: a name of one sheet becomes one of those unless another name
// is already spelled so, and then it is left out with a warning. Excel's
// reserved names (print areas, filter ranges: "_xlnm.") are left out.
void defineNames(const std::vector<XlsxDefinedName>& names, const std::vector<QString>& sheetNames, ImportSink& sink);

}  // namespace spreadsheet::io
