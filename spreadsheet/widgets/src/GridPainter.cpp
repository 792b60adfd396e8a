#include "GridPainter.h"

#include "CellFonts.h"
#include "GridGeometry.h"

#include <spreadsheet/Reference.h>
#include <spreadsheet/Sheet.h>

#include <QPainter>

#include <algorithm>
#include <array>

namespace spreadsheet::widgets {

namespace {

const QColor kGridColor(0xd4, 0xd4, 0xd4);
const QColor kHeaderColor(0xf0, 0xf0, 0xf0);
const QColor kHeaderSelectedColor(0xd0, 0xd8, 0xe8);
const QColor kHeaderLineColor(0xa0, 0xa0, 0xa0);
const QColor kSelectionFill(0x20, 0x60, 0xc0, 0x30);
const QColor kSelectionFrame(0x20, 0x60, 0xc0);
constexpr int kTextPadding = 2;
// How many columns off the screen a text may start and still run into it.
constexpr int kOverflowReach = 32;

// Indexed by HorizontalAlignment; General depends on the value and is
// settled in generalAlignment.
constexpr std::array<Qt::Alignment::Int, 7> kAlignments{
    Qt::AlignLeft, Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignLeft, Qt::AlignLeft, Qt::AlignHCenter};

Qt::Alignment generalAlignment(ValueType type)
{
    switch (type) {
    case ValueType::Number:
        return Qt::AlignRight;
    case ValueType::Boolean:
    case ValueType::Error:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

}  // namespace

GridPainter::GridPainter(const Sheet& sheet, GridGeometry& geometry, CellFonts& fonts, const GridPaintState& state)
    : sheet_(sheet), geometry_(geometry), fonts_(fonts), state_(state)
{
}

void GridPainter::paint(QPainter& painter, QSize size)
{
    visible_ = {geometry_.leftColumn(), geometry_.topRow(), geometry_.lastColumnWithin(size.width()),
                geometry_.lastRowWithin(size.height())};
    merges_.clear();
    for (const CellRange& merge : sheet_.mergedAreas()) {
        if (merge.intersects(visible_)) {
            merges_.push_back(merge);
        }
    }
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    painter.save();
    painter.setClipRect(QRect(geometry_.headerWidth(), geometry_.headerHeight(), size.width(), size.height()));
    if (state_.gridLines) {
        paintGridLines(painter, size);
    }
    paintMerges(painter);
    paintCells(painter);
    paintSelection(painter);
    painter.restore();
    paintHeaders(painter, size);
}

void GridPainter::paintGridLines(QPainter& painter, QSize size)
{
    painter.setPen(kGridColor);
    for (int column = visible_.left; column <= visible_.right; ++column) {
        if (geometry_.columnWidth(column) > 0) {
            const int x = geometry_.columnX(column + 1) - 1;
            painter.drawLine(x, geometry_.headerHeight(), x, size.height());
        }
    }
    for (int row = visible_.top; row <= visible_.bottom; ++row) {
        if (geometry_.rowHeight(row) > 0) {
            const int y = geometry_.rowY(row + 1) - 1;
            painter.drawLine(geometry_.headerWidth(), y, size.width(), y);
        }
    }
}

void GridPainter::paintMerges(QPainter& painter)
{
    for (const CellRange& merge : merges_) {
        // Blanking all but the merge's own right and bottom grid lines wipes
        // the lines between the cells it joins.
        const QRect rect = geometry_.rangeRect(merge);
        painter.fillRect(rect.adjusted(0, 0, -1, -1), Qt::white);
        if (sheet_.hasCell(merge.top, merge.left)) {
            paintCell(painter, merge.top, merge.left, rect);
            paintBorders(painter, merge.top, merge.left, rect);
        }
    }
}

void GridPainter::paintCells(QPainter& painter)
{
    for (int row = visible_.top; row <= visible_.bottom; ++row) {
        if (geometry_.rowHeight(row) == 0) {
            continue;
        }
        paintOverflowFromOutside(painter, row, -1);
        paintOverflowFromOutside(painter, row, 1);
        for (int column = visible_.left; column <= visible_.right; ++column) {
            if (geometry_.columnWidth(column) == 0 || !sheet_.hasCell(row, column) || insideMerge(row, column)) {
                continue;
            }
            const QRect rect = geometry_.cellRect(row, column);
            paintCell(painter, row, column, rect);
            paintBorders(painter, row, column, rect);
        }
    }
}

void GridPainter::paintCell(QPainter& painter, int row, int column, const QRect& rect)
{
    const bool formulaText = state_.showFormulas && sheet_.isFormula(row, column);
    const QString text = formulaText ? sheet_.text(row, column) : sheet_.displayText(row, column);
    if (text.isEmpty()) {
        return;
    }
    const CellStyle& style = sheet_.style(row, column);
    Qt::Alignment alignment(kAlignments.at(static_cast<std::size_t>(style.alignHorz)));
    if (style.alignHorz == HorizontalAlignment::General && !formulaText) {
        alignment = generalAlignment(sheet_.value(row, column).type());
    }
    painter.setFont(fonts_.font(style.font));
    QRect area = rect;
    const bool number = !formulaText && sheet_.value(row, column).type() == ValueType::Number;
    if (!number && !insideMerge(row, column)) {
        const int needed = painter.fontMetrics().horizontalAdvance(text) + 2 * kTextPadding + 1;
        if (needed > rect.width()) {
            area = overflowRect(row, column, rect, needed, alignment);
            // The text covers the grid lines between the cells it runs over.
            painter.fillRect(area.adjusted(0, 0, -1, -1), Qt::white);
        }
    }
    painter.setPen(Qt::black);
    const QRect inner = area.adjusted(kTextPadding, 0, -kTextPadding - 1, -1);
    painter.drawText(inner, static_cast<int>(alignment | Qt::AlignVCenter | Qt::TextSingleLine), text);
}

// Text wider than its cell runs on over empty neighbours, as titles do in a
// spreadsheet: to the right when aligned left, to the left when aligned
// right, to both sides when centred. Numbers never do: a cut number would
// read as another number.
QRect GridPainter::overflowRect(int row, int column, QRect rect, int needed, Qt::Alignment alignment)
{
    const bool growsRight = !(alignment & Qt::AlignRight);
    const bool growsLeft = !(alignment & Qt::AlignLeft);
    const int missing = needed - rect.width();
    const int share = growsRight && growsLeft ? (missing + 1) / 2 : missing;
    for (int c = column + 1, left = share; growsRight && left > 0 && c <= visible_.right && freeForOverflow(row, c);
         ++c) {
        rect.setRight(rect.right() + geometry_.columnWidth(c));
        left -= geometry_.columnWidth(c);
    }
    for (int c = column - 1, left = share; growsLeft && left > 0 && c >= visible_.left && freeForOverflow(row, c);
         --c) {
        rect.setLeft(rect.left() - geometry_.columnWidth(c));
        left -= geometry_.columnWidth(c);
    }
    return rect;
}

// Text of a cell just off the screen, to the left (step -1) or to the right
// (step 1), may run on into it over empty cells.
void GridPainter::paintOverflowFromOutside(QPainter& painter, int row, int step)
{
    const int first = step < 0 ? visible_.left - 1 : visible_.right + 1;
    for (int column = first, seen = 0; column >= 0 && column < kMaxColumns && seen < kOverflowReach;
         column += step, ++seen) {
        if (freeForOverflow(row, column)) {
            continue;
        }
        if (sheet_.mergedAreaAt(row, column) == nullptr) {
            paintCell(painter, row, column, geometry_.cellRect(row, column));
        }
        return;
    }
}

bool GridPainter::freeForOverflow(int row, int column) const
{
    return !insideMerge(row, column) && (!sheet_.hasCell(row, column) || sheet_.displayText(row, column).isEmpty());
}

void GridPainter::paintBorders(QPainter& painter, int row, int column, const QRect& rect)
{
    const CellStyle& style = sheet_.style(row, column);
    // Each line is drawn over the grid line it replaces, the one just before
    // the cell; thicker lines grow into the cell.
    const auto paintEdge = [&](BorderLine line, bool vertical) {
        const QRect edge = vertical ? QRect(rect.left() - 1, rect.top() - 1, 1, rect.height() + 1)
                                    : QRect(rect.left() - 1, rect.top() - 1, rect.width() + 1, 1);
        const QPoint step = vertical ? QPoint(1, 0) : QPoint(0, 1);
        switch (line) {
        case BorderLine::None:
            return;
        case BorderLine::Thick:
            painter.fillRect(edge.translated(step), Qt::black);
            break;
        case BorderLine::Double:
            painter.fillRect(edge.translated(step * 2), Qt::black);
            break;
        default:
            break;
        }
        painter.fillRect(edge, Qt::black);
    };
    paintEdge(style.borderLeft, true);
    paintEdge(style.borderTop, false);
}

void GridPainter::paintSelection(QPainter& painter)
{
    const CellRange area{std::max(state_.selection.left, visible_.left), std::max(state_.selection.top, visible_.top),
                         std::min(state_.selection.right, visible_.right),
                         std::min(state_.selection.bottom, visible_.bottom)};
    if (!area.isValid()) {
        return;
    }
    const QRect rect = geometry_.rangeRect(area);
    if (!state_.selection.isSingleCell()) {
        const QRect current = geometry_.cellRect(state_.current.row, state_.current.column);
        painter.save();
        painter.setClipRegion(QRegion(rect).subtracted(QRegion(current)), Qt::IntersectClip);
        painter.fillRect(rect, kSelectionFill);
        painter.restore();
    }
    painter.setPen(QPen(kSelectionFrame, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

void GridPainter::paintHeaders(QPainter& painter, QSize size)
{
    if (!geometry_.headersVisible()) {
        return;
    }
    painter.setFont(fonts_.font(CellFont{}));
    paintColumnHeaders(painter, size);
    paintRowHeaders(painter, size);
    painter.fillRect(0, 0, geometry_.headerWidth(), geometry_.headerHeight(), kHeaderColor);
}

void GridPainter::paintColumnHeaders(QPainter& painter, QSize size)
{
    const int height = geometry_.headerHeight();
    painter.fillRect(0, 0, size.width(), height, kHeaderColor);
    for (int column = visible_.left; column <= visible_.right; ++column) {
        const QRect rect(geometry_.columnX(column), 0, geometry_.columnWidth(column), height);
        if (rect.width() == 0) {
            continue;
        }
        if (column >= state_.selection.left && column <= state_.selection.right) {
            painter.fillRect(rect, kHeaderSelectedColor);
        }
        painter.setPen(kHeaderLineColor);
        painter.drawLine(rect.right(), 0, rect.right(), height - 1);
        painter.setPen(Qt::black);
        painter.drawText(rect, Qt::AlignCenter, columnName(column));
    }
    painter.setPen(kHeaderLineColor);
    painter.drawLine(0, height - 1, size.width(), height - 1);
}

void GridPainter::paintRowHeaders(QPainter& painter, QSize size)
{
    const int width = geometry_.headerWidth();
    painter.fillRect(0, geometry_.headerHeight(), width, size.height(), kHeaderColor);
    for (int row = visible_.top; row <= visible_.bottom; ++row) {
        const QRect rect(0, geometry_.rowY(row), width, geometry_.rowHeight(row));
        if (rect.height() == 0) {
            continue;
        }
        if (row >= state_.selection.top && row <= state_.selection.bottom) {
            painter.fillRect(rect, kHeaderSelectedColor);
        }
        painter.setPen(kHeaderLineColor);
        painter.drawLine(0, rect.bottom(), width - 1, rect.bottom());
        painter.setPen(Qt::black);
        painter.drawText(rect, Qt::AlignCenter, QString::number(row + 1));
    }
    painter.setPen(kHeaderLineColor);
    painter.drawLine(width - 1, 0, width - 1, size.height());
}

bool GridPainter::insideMerge(int row, int column) const
{
    return std::any_of(merges_.begin(), merges_.end(),
                       [&](const CellRange& merge) { return merge.contains(row, column); });
}

}  // namespace spreadsheet::widgets
