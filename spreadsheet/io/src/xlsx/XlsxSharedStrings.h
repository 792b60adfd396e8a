#pragma once

#include <QHash>
#include <QString>

#include <string>
#include <vector>

namespace spreadsheet::io {

// The workbook's table of texts, numbered in the order the cells first use
// them, as Excel numbers it.
class XlsxSharedStrings {
public:
    int index(const QString& text);
    bool empty() const { return texts_.empty(); }
    // The sharedStrings part.
    std::string xml() const;

private:
    QHash<QString, int> indexes_;
    std::vector<QString> texts_;
    long long uses_ = 0;
};

}  // namespace spreadsheet::io
