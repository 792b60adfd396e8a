#pragma once

#include <vector>

namespace spreadsheet::io {
class ImportSink;
}

namespace spreadsheet::io::xls {

class XfStyleTable;

// The formats of one sheet's cells, handed to the sink once the sheet is
// read. The model keeps only left and top borders: a right border becomes
// the left border of the cell to the right, a bottom border the top border
// of the cell below, unless that cell has one of its own.
class XlsSheetStyles {
public:
    explicit XlsSheetStyles(const XfStyleTable& table) : table_(table) {}

    void add(int row, int column, int xf) { cells_.push_back({row, column, xf}); }
    void writeTo(ImportSink& sink, int sheet) const;

private:
    struct Entry {
        int row;
        int column;
        int xf;
    };
    bool hasRightOrBottomBorders() const;
    void writeWithBorderSpread(ImportSink& sink, int sheet) const;

    const XfStyleTable& table_;
    std::vector<Entry> cells_;
};

}  // namespace spreadsheet::io::xls
