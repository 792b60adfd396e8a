#include "CellStore.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>
#include <vector>

namespace spreadsheet {
namespace {

// The row-by-row walk visits the same cells as the column walk, in row
// order: over blocks left empty by erasing, columns whose blocks end early,
// a style-only cell and a column far to the right.
TEST(CellStoreTest, RowWalkVisitsEveryCellInRowOrder)
{
    CellStore store;
    std::mt19937 random(7);
    for (int i = 0; i < 3000; ++i) {
        const int column = static_cast<int>(random() % 40);
        const int row = static_cast<int>(random() % (column % 3 == 0 ? 200 : 5000));
        store.setValue(row, column, Value(double(i)));
    }
    for (int row = 64; row < 128; ++row)
        store.erase(row, 5);
    store.setStyle(9000, 2, 1);
    store.setValue(3, 16000, Value(1.0));

    std::set<std::pair<int, int>> byColumn;
    store.forEach({0, 0, 16383, 1048575}, [&](int row, int column, const Cell&) { byColumn.insert({row, column}); });
    std::vector<std::pair<int, int>> byRow;
    store.forEachByRow([&](int row, int column, const Cell& cell) {
        EXPECT_EQ(&cell, store.find(row, column));
        byRow.push_back({row, column});
    });
    const std::vector<std::pair<int, int>> expected(byColumn.begin(), byColumn.end());
    EXPECT_EQ(byRow, expected);
}

}  // namespace
}  // namespace spreadsheet
