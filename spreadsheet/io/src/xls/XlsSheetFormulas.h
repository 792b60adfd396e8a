#pragma once

#include "BiffFormulaDecoder.h"

#include <spreadsheet/CellRange.h>
#include <spreadsheet/Value.h>

#include <QString>

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace spreadsheet::io {
class ImportSink;
}

namespace spreadsheet::io::xls {

// The formula cells of one sheet. A cell may point (tExp) at a shared or
// array formula whose record comes after it, and a text result follows in
// a STRING record, so the cells are handed to the sink at the sheet's end.
class XlsSheetFormulas {
public:
    explicit XlsSheetFormulas(const BiffFormulaDecoder& decoder) : decoder_(decoder) {}

    void addFormula(int row, int column, std::span<const std::uint8_t> tokens, Value cached, bool awaitsString);
    // The text result of the formula read last, if it waits for one.
    void setStringResult(const QString& text);
    // Any other cell record ends the wait for a STRING record.
    void endStringWait() { awaiting_ = false; }
    void addShared(const CellRange& area, std::span<const std::uint8_t> tokens);
    void addArray(const CellRange& area, std::span<const std::uint8_t> tokens);

    // Cells whose formula cannot be written in the engine's syntax keep
    // their cached value.
    void writeTo(ImportSink& sink, int sheet) const;

private:
    struct Pending {
        int row;
        int column;
        Value cached;
        std::optional<QString> text;
        std::optional<CellAddress> anchor;  // set for a cell that points at a shared or array formula
    };
    struct Definition {
        CellRange area;
        std::vector<std::uint8_t> tokens;
        bool shared;  // else an array formula
    };
    using Key = std::pair<int, int>;

    const Definition* definitionFor(const CellAddress& anchor, int row, int column) const;
    std::optional<QString> resolve(const Pending& cell) const;

    const BiffFormulaDecoder& decoder_;
    std::vector<Pending> cells_;
    std::map<Key, Definition> definitions_;
    bool awaiting_ = false;
};

}  // namespace spreadsheet::io::xls
