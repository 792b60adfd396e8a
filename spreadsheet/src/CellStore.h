#pragma once

#include "Cell.h"
#include "Formula.h"

#include <spreadsheet/CellRange.h>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace spreadsheet {

// Sparse cells of one sheet: per column, blocks of 64 rows allocated when a
// cell in them is first written. Dense data costs 16 bytes a cell, and a walk
// over a range skips the blocks that were never touched.
class CellStore {
public:
    static constexpr int kBlockRows = 64;

    CellStore() = default;
    ~CellStore();
    CellStore(const CellStore&) = delete;
    CellStore& operator=(const CellStore&) = delete;

    const Cell* find(int row, int column) const;
    Cell* find(int row, int column);
    // The cell, created when absent; for changes of style.
    Cell& obtain(int row, int column);
    // Content changes go through these so that each block knows whether it
    // holds formulas.
    void setValue(int row, int column, const Value& value);
    void setFormula(int row, int column, std::unique_ptr<Formula> formula);
    void clearContent(int row, int column);
    void setStyle(int row, int column, std::uint32_t style);
    // Frees the cell's content and style.
    void erase(int row, int column);

    // Moves the cells at and after an index by count rows (columns), within
    // a span of columns (rows). Formulas learn their new position. Cells a
    // negative count would overwrite must have been erased first.
    void shiftRows(int index, int count, int firstColumn, int lastColumn);
    void shiftColumns(int index, int count, int firstRow, int lastRow);

    // Visits the existing cells of a range, column by column, top to bottom.
    template <typename Visit>
    void forEach(const CellRange& range, Visit&& visit) const
    {
        walk(range, false, visit);
    }
    // Only the formula cells, skipping blocks that hold none.
    template <typename Visit>
    void forEachFormula(const CellRange& range, Visit&& visit) const
    {
        walk(range, true, visit);
    }

    // The same cells row by row, left to right: writers whose output goes
    // by rows keep their place instead of seeking a row for every cell.
    template <typename Visit>
    void forEachByRow(Visit&& visit) const;

    int lastRow() const;     // -1 when empty
    int lastColumn() const;  // -1 when empty

private:
    struct Block {
        std::array<Cell, kBlockRows> cells;
        int used = 0;
        int formulas = 0;
    };
    struct Column {
        std::vector<std::unique_ptr<Block>> blocks;
    };

    template <typename Visit>
    void walk(const CellRange& range, bool formulasOnly, Visit&& visit) const;
    Block* blockOf(int row, int column);
    // Moves one existing cell to an empty place.
    void relocate(int fromRow, int fromColumn, int toRow, int toColumn);
    std::vector<int> rowsFrom(int column, int first, int last) const;
    void shiftColumnRows(int column, int index, int count);
    void renumberFormulas(int firstColumn);
    void dropIfUnused(int row, int column);

    std::vector<Column> columns_;
};

template <typename Visit>
void CellStore::walk(const CellRange& range, bool formulasOnly, Visit&& visit) const
{
    const int lastColumn = std::min(range.right, static_cast<int>(columns_.size()) - 1);
    for (int column = std::max(range.left, 0); column <= lastColumn; ++column) {
        const auto& blocks = columns_[static_cast<std::size_t>(column)].blocks;
        const int lastBlock = std::min(range.bottom / kBlockRows, static_cast<int>(blocks.size()) - 1);
        for (int b = std::max(range.top, 0) / kBlockRows; b <= lastBlock; ++b) {
            const Block* block = blocks[static_cast<std::size_t>(b)].get();
            if (!block || block->used == 0 || (formulasOnly && block->formulas == 0)) {
                continue;
            }
            const int first = std::max(range.top - b * kBlockRows, 0);
            const int last = std::min(range.bottom - b * kBlockRows, kBlockRows - 1);
            for (int i = first; i <= last; ++i) {
                const Cell& cell = block->cells[static_cast<std::size_t>(i)];
                if (formulasOnly ? cell.kind == CellKind::Formula : cell.exists()) {
                    visit(b * kBlockRows + i, column, cell);
                }
            }
        }
    }
}

// Band by band of 64 rows, over the columns that still have blocks there:
// the work follows the blocks allocated, however wide or tall the sheet.
template <typename Visit>
void CellStore::forEachByRow(Visit&& visit) const
{
    std::vector<int> active;
    std::size_t bands = 0;
    for (std::size_t column = 0; column < columns_.size(); ++column) {
        if (!columns_[column].blocks.empty()) {
            active.push_back(static_cast<int>(column));
            bands = std::max(bands, columns_[column].blocks.size());
        }
    }
    std::vector<const Block*> band;
    std::vector<int> bandColumns;
    for (std::size_t b = 0; b < bands; ++b) {
        std::erase_if(active, [&](int column) { return columns_[static_cast<std::size_t>(column)].blocks.size() <= b; });
        band.clear();
        bandColumns.clear();
        for (int column : active) {
            const Block* block = columns_[static_cast<std::size_t>(column)].blocks[b].get();
            if (block && block->used > 0) {
                band.push_back(block);
                bandColumns.push_back(column);
            }
        }
        for (int i = 0; i < kBlockRows && !band.empty(); ++i) {
            for (std::size_t k = 0; k < band.size(); ++k) {
                const Cell& cell = band[k]->cells[static_cast<std::size_t>(i)];
                if (cell.exists())
                    visit(static_cast<int>(b) * kBlockRows + i, bandColumns[k], cell);
            }
        }
    }
}

}  // namespace spreadsheet
