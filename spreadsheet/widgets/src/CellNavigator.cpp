#include "CellNavigator.h"

#include <spreadsheet/Sheet.h>

#include <algorithm>
#include <array>
#include <functional>

namespace spreadsheet::widgets {

namespace {

enum class Jump { Step, Page, RowStart, SheetStart, LastCell };

struct KeyMove {
    int key;
    bool control;
    Jump jump;
    int rows;
    int columns;
};

constexpr std::array<KeyMove, 10> kMoves{{
    {Qt::Key_Up, false, Jump::Step, -1, 0},
    {Qt::Key_Down, false, Jump::Step, 1, 0},
    {Qt::Key_Left, false, Jump::Step, 0, -1},
    {Qt::Key_Right, false, Jump::Step, 0, 1},
    {Qt::Key_PageUp, false, Jump::Page, -1, 0},
    {Qt::Key_PageDown, false, Jump::Page, 1, 0},
    {Qt::Key_Home, false, Jump::RowStart, 0, 0},
    {Qt::Key_Home, true, Jump::SheetStart, 0, 0},
    {Qt::Key_End, true, Jump::LastCell, 0, 0},
    {Qt::Key_Backtab, false, Jump::Step, 0, -1},
}};

// Moves one visible line at a time in one direction.
int stepLine(int from, int count, int limit, const std::function<bool(int)>& hidden)
{
    const int direction = count < 0 ? -1 : 1;
    int at = from;
    for (int left = std::abs(count); left > 0; --left) {
        int next = at + direction;
        while (next >= 0 && next < limit && hidden(next)) {
            next += direction;
        }
        if (next < 0 || next >= limit) {
            break;
        }
        at = next;
    }
    return at;
}

}  // namespace

CellNavigator::CellNavigator(const Sheet& sheet, int pageRows) : sheet_(sheet), pageRows_(std::max(pageRows, 1)) {}

std::optional<CellAddress> CellNavigator::target(int key, Qt::KeyboardModifiers modifiers, CellAddress from) const
{
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    const auto move = std::find_if(kMoves.begin(), kMoves.end(),
                                   [&](const KeyMove& m) { return m.key == key && m.control == control; });
    if (move == kMoves.end()) {
        return std::nullopt;
    }
    switch (move->jump) {
    case Jump::Step:
        return step(from, move->rows, move->columns);
    case Jump::Page:
        return step(from, move->rows * pageRows_, 0);
    case Jump::RowStart:
        return CellAddress{from.row, 0};
    case Jump::SheetStart:
        return CellAddress{0, 0};
    case Jump::LastCell:
        return CellAddress{std::max(sheet_.rowCount() - 1, 0), std::max(sheet_.columnCount() - 1, 0)};
    }
    return std::nullopt;
}

CellAddress CellNavigator::step(CellAddress from, int rows, int columns) const
{
    if (rows != 0) {
        from.row = stepLine(from.row, rows, kMaxRows, [this](int row) { return sheet_.isRowHidden(row); });
    }
    if (columns != 0) {
        from.column =
            stepLine(from.column, columns, kMaxColumns, [this](int column) { return sheet_.isColumnHidden(column); });
    }
    return from;
}

}  // namespace spreadsheet::widgets
