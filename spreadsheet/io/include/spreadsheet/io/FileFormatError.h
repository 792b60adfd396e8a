#pragma once

#include <spreadsheet/SpreadsheetError.h>

namespace spreadsheet::io {

// A file that cannot be read as the format it claims, or as any format.
class FileFormatError : public SpreadsheetError {
public:
    using SpreadsheetError::SpreadsheetError;
};

}  // namespace spreadsheet::io
