#include <spreadsheet/Sheet.h>

#include "CellWriter.h"
#include "ReferenceShift.h"
#include "SheetData.h"
#include "SheetEditing.h"

#include <spreadsheet/History.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <numeric>

namespace spreadsheet {

namespace {

const QString kSorting = QStringLiteral("Classificar");

// Kinds of values in ascending order. Empty cells stay last in both orders,
// so they are kept apart from the rank comparison.
enum class Rank : std::uint8_t { Number, Text, Boolean, Error, Empty };

struct Key {
    Rank rank = Rank::Empty;
    double number = 0.0;
    int text = -1;  // index of the text's collation key
};

struct SortColumn {
    int column;
    SortOrder order;
};

// The sort keys of every row of an area, read once before sorting. Text is
// compared through collation keys, which are far cheaper to compare than
// the strings themselves when there are many rows.
class RowKeys {
public:
    RowKeys(const Sheet& sheet, int top, int bottom, std::vector<SortColumn> columns)
        : columns_(std::move(columns))
    {
        collator_.setCaseSensitivity(Qt::CaseInsensitive);
        keys_.reserve(static_cast<std::size_t>(bottom - top + 1) * columns_.size());
        for (int row = top; row <= bottom; ++row) {
            for (const SortColumn& c : columns_) {
                keys_.push_back(keyOf(sheet.value(row, c.column)));
            }
        }
    }

    // Rows are given by their offset from the top of the area.
    bool less(int a, int b) const
    {
        const std::size_t count = columns_.size();
        for (std::size_t i = 0; i < count; ++i) {
            const int c = compare(keyAt(a, i), keyAt(b, i), columns_[i].order);
            if (c != 0) {
                return c < 0;
            }
        }
        return false;
    }

private:
    Key keyOf(const Value& v)
    {
        switch (v.type()) {
        case ValueType::Number:
            return {Rank::Number, v.number()};
        case ValueType::Text:
            texts_.push_back(collator_.sortKey(v.text()));
            return {Rank::Text, 0.0, static_cast<int>(texts_.size()) - 1};
        case ValueType::Boolean:
            return {Rank::Boolean, v.number()};
        case ValueType::Error:
            return {Rank::Error};
        case ValueType::Empty:
        case ValueType::Array:
            break;
        }
        return {};
    }

    const Key& keyAt(int row, std::size_t column) const
    {
        return keys_[static_cast<std::size_t>(row) * columns_.size() + column];
    }

    int compare(const Key& a, const Key& b, SortOrder order) const
    {
        const bool aEmpty = a.rank == Rank::Empty;
        const bool bEmpty = b.rank == Rank::Empty;
        if (aEmpty || bEmpty) {
            return static_cast<int>(aEmpty) - static_cast<int>(bEmpty);
        }
        const int c = a.rank != b.rank ? (a.rank < b.rank ? -1 : 1) : compareSameRank(a, b);
        return order == SortOrder::Descending ? -c : c;
    }

    int compareSameRank(const Key& a, const Key& b) const
    {
        if (a.rank == Rank::Text) {
            const int c = texts_[static_cast<std::size_t>(a.text)].compare(texts_[static_cast<std::size_t>(b.text)]);
            return (c > 0) - (c < 0);
        }
        // All errors rank alike; numbers and booleans by their value.
        return (a.number > b.number) - (a.number < b.number);
    }

    std::vector<SortColumn> columns_;
    QCollator collator_{QLocale()};
    std::vector<Key> keys_;
    std::vector<QCollatorSortKey> texts_;
};

std::vector<SortColumn> sortColumns(const CellRange& area, const std::vector<SortOrder>& orders,
                                    const std::vector<int>& columns)
{
    const auto orderAt = [&orders](std::size_t i) {
        return i < orders.size() ? orders[i] : SortOrder::Ascending;
    };
    if (columns.empty()) {
        return {{area.left, orderAt(0)}};
    }
    std::vector<SortColumn> keys;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i] < area.left || columns[i] > area.right) {
            throw SpreadsheetError(QStringLiteral("Coluna de classificação fora da área."));
        }
        keys.push_back({columns[i], orderAt(i)});
    }
    return keys;
}

void checkNoMerges(const SheetData& data, const CellRange& area)
{
    for (const CellRange& merge : data.merges) {
        if (merge.intersects(area)) {
            throw SpreadsheetError(
                QStringLiteral("Não é possível classificar uma área que contém células mescladas."));
        }
    }
}

// For each row offset of the area, the offset of the row that lands there.
std::vector<int> sortedOrder(const RowKeys& keys, int rowCount)
{
    std::vector<int> order(static_cast<std::size_t>(rowCount));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) { return keys.less(a, b); });
    return order;
}

// Copies of the area's cells in the rows that move, indexed by row offset
// and column offset; rows that stay keep no copy.
std::vector<CellSnapshot> copyMovingRows(const CellStore& cells, const CellRange& area, const std::vector<int>& order)
{
    const int width = area.columnCount();
    std::vector<CellSnapshot> copies(order.size() * static_cast<std::size_t>(width));
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i] == static_cast<int>(i)) {
            continue;
        }
        const int row = area.top + static_cast<int>(i);
        for (int c = 0; c < width; ++c) {
            copies[i * static_cast<std::size_t>(width) + static_cast<std::size_t>(c)] =
                CellSnapshot::of(cells.find(row, area.left + c));
        }
    }
    return copies;
}

void moveRows(Sheet& sheet, const CellRange& area, const std::vector<int>& order)
{
    const std::vector<CellSnapshot> copies = copyMovingRows(sheet.data().cells, area, order);
    const auto width = static_cast<std::size_t>(area.columnCount());
    for (std::size_t i = 0; i < order.size(); ++i) {
        const int source = order[i];
        if (source == static_cast<int>(i)) {
            continue;
        }
        const int row = area.top + static_cast<int>(i);
        for (std::size_t c = 0; c < width; ++c) {
            const int column = area.left + static_cast<int>(c);
            CellSnapshot moved = copies[static_cast<std::size_t>(source) * width + c].copy();
            if (!moved.exists() && !sheet.data().cells.find(row, column)) {
                continue;
            }
            if (moved.formula) {
                shiftRelativeReferences(*moved.formula, row - (area.top + source), 0);
            }
            CellWriter::write(sheet, row, column, std::move(moved), kSorting);
        }
    }
}

}  // namespace

void Sheet::SortByColumnValues(const CellRange& area, const std::vector<SortOrder>& orders,
                               const std::vector<int>& columns)
{
    checkArea(area);
    std::vector<SortColumn> keyColumns = sortColumns(area, orders, columns);
    checkNoMerges(*data_, area);
    const std::optional<CellRange> used = usedPart(*this, area);
    if (!used) {
        return;
    }
    const RowKeys keys(*this, used->top, used->bottom, std::move(keyColumns));
    const std::vector<int> order = sortedOrder(keys, used->rowCount());
    UpdateBatch batch(workbook_);
    HistoryScope scope(workbook_.history(), kSorting);
    moveRows(*this, *used, order);
}

}  // namespace spreadsheet
