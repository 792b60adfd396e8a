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

// The formula cells of one sheet. The records that complete a formula cell
// follow it: its text result (STRING) and, for the first cell of a shared or
// array formula, the definition it points at (SHRFMLA, ARRAY). So the last
// formula is held until the next cell record; a cell whose definition has
// still not come is retried at the sheet's end.
class XlsSheetFormulas {
public:
    XlsSheetFormulas(const BiffFormulaDecoder& decoder, ImportSink& sink, int sheet)
        : decoder_(decoder), sink_(sink), sheet_(sheet)
    {
    }

    void addFormula(int row, int column, std::span<const std::uint8_t> tokens, Value cached, bool awaitsString);
    // The text result of the formula read last, if it waits for one.
    void setStringResult(const QString& text);
    void addShared(const CellRange& area, std::span<const std::uint8_t> tokens);
    void addArray(const CellRange& area, std::span<const std::uint8_t> tokens);
    // Hands the held formula to the sink: called for every other cell record.
    void flush();
    // Flushes and writes the cells still waiting for their definition.
    void finish();

private:
    struct Pending {
        int row;
        int column;
        Value cached;
        std::optional<QString> text;
        std::optional<CellAddress> anchor;  // set for a cell that points at a shared or array formula
        bool awaitsString = false;
    };
    struct Definition {
        CellRange area;
        std::vector<std::uint8_t> tokens;
        bool shared;  // else an array formula
    };

    const Definition* definitionFor(const Pending& cell) const;
    std::optional<QString> resolve(const Pending& cell) const;
    // Cells whose formula cannot be written in the engine's syntax keep
    // their cached value.
    void write(const Pending& cell, const std::optional<QString>& text);

    const BiffFormulaDecoder& decoder_;
    ImportSink& sink_;
    int sheet_;
    std::optional<Pending> held_;
    std::vector<Pending> unresolved_;
    std::map<std::pair<int, int>, Definition> definitions_;
};

}  // namespace spreadsheet::io::xls
