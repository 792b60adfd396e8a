#pragma once

#include <QString>

#include <stdexcept>

namespace spreadsheet {

// Failures of workbook operations carry a Portuguese message for the user.
class SpreadsheetError : public std::runtime_error {
public:
    explicit SpreadsheetError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

}  // namespace spreadsheet
