#pragma once

#include <spreadsheet/SpreadsheetError.h>

namespace spreadsheet::io {

// A file that cannot be read as the format it claims, or as any format. The
// message is for the user; the detail says what exactly was wrong.
class FileFormatError : public SpreadsheetError {
public:
    explicit FileFormatError(const QString& message, QString detail = {})
        : SpreadsheetError(message), detail_(std::move(detail))
    {
    }
    const QString& detail() const { return detail_; }

private:
    QString detail_;
};

}  // namespace spreadsheet::io
