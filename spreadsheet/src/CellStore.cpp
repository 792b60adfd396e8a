#include "CellStore.h"

namespace spreadsheet {

CellStore::~CellStore()
{
    for (Column& column : columns_) {
        for (auto& block : column.blocks) {
            if (block) {
                for (Cell& cell : block->cells) {
                    cell.clearContent();
                }
            }
        }
    }
}

const Cell* CellStore::find(int row, int column) const
{
    if (column < 0 || row < 0 || column >= static_cast<int>(columns_.size())) {
        return nullptr;
    }
    const auto& blocks = columns_[static_cast<std::size_t>(column)].blocks;
    const auto b = static_cast<std::size_t>(row / kBlockRows);
    if (b >= blocks.size() || !blocks[b]) {
        return nullptr;
    }
    const Cell& cell = blocks[b]->cells[static_cast<std::size_t>(row % kBlockRows)];
    return cell.exists() ? &cell : nullptr;
}

Cell* CellStore::find(int row, int column)
{
    return const_cast<Cell*>(static_cast<const CellStore*>(this)->find(row, column));
}

Cell& CellStore::obtain(int row, int column)
{
    if (column >= static_cast<int>(columns_.size())) {
        columns_.resize(static_cast<std::size_t>(column) + 1);
    }
    auto& blocks = columns_[static_cast<std::size_t>(column)].blocks;
    const auto b = static_cast<std::size_t>(row / kBlockRows);
    if (b >= blocks.size()) {
        blocks.resize(b + 1);
    }
    if (!blocks[b]) {
        blocks[b] = std::make_unique<Block>();
    }
    Block& block = *blocks[b];
    Cell& cell = block.cells[static_cast<std::size_t>(row % kBlockRows)];
    if (!cell.exists()) {
        ++block.used;
    }
    return cell;
}

CellStore::Block* CellStore::blockOf(int row, int column)
{
    return columns_[static_cast<std::size_t>(column)].blocks[static_cast<std::size_t>(row / kBlockRows)].get();
}

void CellStore::setValue(int row, int column, const Value& value)
{
    if (value.isEmpty()) {
        clearContent(row, column);
        return;
    }
    Cell& cell = obtain(row, column);
    if (cell.kind == CellKind::Formula) {
        --blockOf(row, column)->formulas;
    }
    cell.setValue(value);
}

void CellStore::setFormula(int row, int column, std::unique_ptr<Formula> formula)
{
    Cell& cell = obtain(row, column);
    if (cell.kind != CellKind::Formula) {
        ++blockOf(row, column)->formulas;
    }
    cell.setFormula(formula.release());
}

void CellStore::clearContent(int row, int column)
{
    Cell* cell = find(row, column);
    if (!cell) {
        return;
    }
    if (cell->kind == CellKind::Formula) {
        --blockOf(row, column)->formulas;
    }
    cell->clearContent();
    dropIfUnused(row, column);
}

void CellStore::setStyle(int row, int column, std::uint32_t style)
{
    if (style == 0) {
        if (Cell* cell = find(row, column)) {
            cell->style = 0;
            dropIfUnused(row, column);
        }
        return;
    }
    obtain(row, column).style = style;
}

void CellStore::erase(int row, int column)
{
    Cell* cell = find(row, column);
    if (!cell) {
        return;
    }
    if (cell->kind == CellKind::Formula) {
        --blockOf(row, column)->formulas;
    }
    cell->clearContent();
    cell->style = 0;
    dropIfUnused(row, column);
}

// A cell left without content or style no longer counts as used; a block
// whose cells are all unused is freed.
void CellStore::dropIfUnused(int row, int column)
{
    auto& block = columns_[static_cast<std::size_t>(column)].blocks[static_cast<std::size_t>(row / kBlockRows)];
    if (!block->cells[static_cast<std::size_t>(row % kBlockRows)].exists() && --block->used == 0) {
        block.reset();
    }
}

void CellStore::relocate(int fromRow, int fromColumn, int toRow, int toColumn)
{
    Cell* source = find(fromRow, fromColumn);
    const Cell moved = *source;
    Block* from = blockOf(fromRow, fromColumn);
    source->kind = CellKind::Empty;
    source->style = 0;
    source->number = 0.0;
    if (moved.kind == CellKind::Formula) {
        --from->formulas;
    }
    if (--from->used == 0) {
        columns_[static_cast<std::size_t>(fromColumn)].blocks[static_cast<std::size_t>(fromRow / kBlockRows)].reset();
    }
    Cell& target = obtain(toRow, toColumn);
    target = moved;
    if (moved.kind == CellKind::Formula) {
        ++blockOf(toRow, toColumn)->formulas;
        moved.formula->row = toRow;
        moved.formula->column = toColumn;
    }
}

std::vector<int> CellStore::rowsFrom(int column, int first, int last) const
{
    std::vector<int> rows;
    forEach({column, first, column, last}, [&rows](int row, int, const Cell&) { rows.push_back(row); });
    return rows;
}

// Moves the cells of one column block by block, without looking cells up
// one at a time: inserting a row above 100,000 rows touches every cell.
void CellStore::shiftColumnRows(int column, int index, int count)
{
    auto& blocks = columns_[static_cast<std::size_t>(column)].blocks;
    const int blockCount = static_cast<int>(blocks.size());
    const auto moveCell = [&](Block& from, int row) {
        Cell& source = from.cells[static_cast<std::size_t>(row % kBlockRows)];
        if (!source.exists()) {
            return;
        }
        const int to = row + count;
        const auto b = static_cast<std::size_t>(to / kBlockRows);
        if (b >= blocks.size()) {
            blocks.resize(b + 1);
        }
        if (!blocks[b]) {
            blocks[b] = std::make_unique<Block>();
        }
        Block& target = *blocks[b];
        Cell& cell = target.cells[static_cast<std::size_t>(to % kBlockRows)];
        cell = source;
        ++target.used;
        if (cell.kind == CellKind::Formula) {
            ++target.formulas;
            --from.formulas;
            cell.formula->row = to;
        }
        source.kind = CellKind::Empty;
        source.style = 0;
        source.number = 0.0;
        --from.used;
    };
    if (count > 0) {
        for (int b = blockCount - 1; b >= index / kBlockRows; --b) {
            Block* block = blocks[static_cast<std::size_t>(b)].get();
            for (int i = kBlockRows - 1; block && i >= 0 && b * kBlockRows + i >= index; --i) {
                moveCell(*block, b * kBlockRows + i);
            }
        }
    } else {
        for (int b = (index - count) / kBlockRows; b < blockCount; ++b) {
            Block* block = blocks[static_cast<std::size_t>(b)].get();
            for (int i = 0; block && i < kBlockRows; ++i) {
                if (b * kBlockRows + i >= index - count) {
                    moveCell(*block, b * kBlockRows + i);
                }
            }
        }
    }
    for (auto& block : blocks) {
        if (block && block->used == 0) {
            block.reset();
        }
    }
}

void CellStore::shiftRows(int index, int count, int firstColumn, int lastColumn)
{
    const int last = std::min(lastColumn, static_cast<int>(columns_.size()) - 1);
    for (int column = std::max(firstColumn, 0); column <= last; ++column) {
        shiftColumnRows(column, index, count);
    }
}

void CellStore::renumberFormulas(int firstColumn)
{
    forEachFormula({firstColumn, 0, kMaxColumns - 1, kMaxRows - 1}, [](int row, int column, const Cell& cell) {
        cell.formula->row = row;
        cell.formula->column = column;
    });
}

void CellStore::shiftColumns(int index, int count, int firstRow, int lastRow)
{
    const int size = static_cast<int>(columns_.size());
    if (firstRow == 0 && lastRow >= kMaxRows - 1) {
        // Whole columns move as they are: only their place in the list changes.
        if (index >= size) {
            return;
        }
        if (count > 0) {
            std::vector<Column> fresh(static_cast<std::size_t>(count));
            columns_.insert(columns_.begin() + index, std::make_move_iterator(fresh.begin()),
                            std::make_move_iterator(fresh.end()));
        } else {
            const int end = std::min(index - count, size);
            columns_.erase(columns_.begin() + index, columns_.begin() + end);
        }
        renumberFormulas(index);
        return;
    }
    const int from = count > 0 ? index : index - count;
    if (count > 0) {
        for (int column = size - 1; column >= from; --column) {
            for (int row : rowsFrom(column, firstRow, lastRow)) {
                relocate(row, column, row, column + count);
            }
        }
    } else {
        for (int column = from; column < size; ++column) {
            for (int row : rowsFrom(column, firstRow, lastRow)) {
                relocate(row, column, row, column + count);
            }
        }
    }
}

int CellStore::lastRow() const
{
    int last = -1;
    for (const Column& column : columns_) {
        for (int b = static_cast<int>(column.blocks.size()) - 1; b >= 0 && (b + 1) * kBlockRows - 1 > last; --b) {
            const Block* block = column.blocks[static_cast<std::size_t>(b)].get();
            if (!block || block->used == 0) {
                continue;
            }
            for (int i = kBlockRows - 1; i >= 0; --i) {
                if (block->cells[static_cast<std::size_t>(i)].exists()) {
                    last = std::max(last, b * kBlockRows + i);
                    break;
                }
            }
            break;
        }
    }
    return last;
}

int CellStore::lastColumn() const
{
    for (int c = static_cast<int>(columns_.size()) - 1; c >= 0; --c) {
        for (const auto& block : columns_[static_cast<std::size_t>(c)].blocks) {
            if (block && block->used > 0) {
                return c;
            }
        }
    }
    return -1;
}

}  // namespace spreadsheet
