#pragma once

#include <spreadsheet/CellRange.h>
#include <spreadsheet/Value.h>

#include <QString>

#include <algorithm>
#include <cstddef>
#include <map>
#include <optional>
#include <vector>

namespace spreadsheet::io {

class ImportSink;

struct XlsxFormulaCell {
    int sheet = 0;
    int row = 0;
    int column = 0;
    QString text;  // empty for a cell that only names its shared group
    std::optional<std::size_t> sharedIndex;
    Value cached;  // empty when the file stored no result
    std::optional<CellRange> arrayArea;
    bool spills = false;
};

// The formula cells of a file, kept until every sheet is known: a shared
// formula's cells may come before its master, and its references may name
// sheets that come later.
class XlsxFormulaTable {
public:
    void add(XlsxFormulaCell cell);
    // Room for as many more cells; growing still doubles, so a file of
    // many sheets does not copy the cells once for each.
    void reserveMore(std::size_t count)
    {
        if (cells_.size() + count > cells_.capacity())
            cells_.reserve(std::max(cells_.size() + count, 2 * cells_.capacity()));
    }
    // True when some formula came without the value it gives.
    bool lacksResults() const;
    // Our writer can cache a result only as a number or a text, so in our
    // own files an error's name stands for the error; a formula that is a
    // text literal keeps its text.
    void reviveErrors();
    // Hands every formula to the sink, each shared one written out for its
    // own cell. A cell whose group has no usable master keeps its value.
    void flush(ImportSink& sink, const std::vector<QString>& sheetNames);

private:
    std::vector<XlsxFormulaCell> cells_;
};

}  // namespace spreadsheet::io
