#include <spreadsheet/render/GridPainter.h>

#include <spreadsheet/render/CellFonts.h>
#include <spreadsheet/render/GridGeometry.h>

#include <spreadsheet/CellDisplay.h>
#include <spreadsheet/Reference.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/render/BorderLinePainter.h>

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <array>

namespace spreadsheet::render {

namespace {

const QColor kGridColor(0xd4, 0xd4, 0xd4);
const QColor kHeaderColor(0xf0, 0xf0, 0xf0);
const QColor kHeaderSelectedColor(0xd0, 0xd8, 0xe8);
const QColor kHeaderLineColor(0xa0, 0xa0, 0xa0);
const QColor kSelectionFill(0x20, 0x60, 0xc0, 0x30);
const QColor kSelectionFrame(0x20, 0x60, 0xc0);
const QColor kPageBreakColor(0x20, 0x40, 0xa0);
constexpr int kTextPadding = 2;
// How many columns off the screen a text may start and still run into it.
constexpr int kOverflowReach = 32;

// Indexed by HorizontalAlignment; General depends on the value and is
// settled in generalAlignment.
constexpr std::array<Qt::Alignment::Int, 7> kAlignments{
    Qt::AlignLeft, Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignLeft, Qt::AlignLeft, Qt::AlignHCenter};

// Indexed by VerticalAlignment.
constexpr std::array<Qt::Alignment::Int, 3> kVerticals{Qt::AlignBottom, Qt::AlignVCenter, Qt::AlignTop};

QColor colorOf(CellColor color, const QColor& automatic)
{
    return color.isAutomatic() ? automatic : QColor::fromRgb(color.argb);
}

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

// Where a cell's text goes, inside the grid lines and clear of them.
QRect textRect(const QRect& area)
{
    return area.adjusted(kTextPadding, 0, -kTextPadding - 1, -1);
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
    if (!state_.printing) {
        paintPageBreaks(painter, size);
        paintSelection(painter);
    }
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
        painter.fillRect(rect.adjusted(0, 0, -1, -1), colorOf(sheet_.style(merge.top, merge.left).fill, Qt::white));
        if (!sheet_.hasCell(merge.top, merge.left)) {
            continue;
        }
        if (const auto placed = placeText(painter, merge.top, merge.left, rect, false)) {
            paintTexts(painter, {*placed});
        }
        paintBorders(painter, merge.top, merge.left, rect);
    }
}

void GridPainter::paintCells(QPainter& painter)
{
    for (int row = visible_.top; row <= visible_.bottom; ++row) {
        if (geometry_.rowHeight(row) > 0) {
            paintRow(painter, row);
        }
    }
}

// A row is painted in layers, every text after every blank a text runs over
// and every border after every text. Cell by cell, a neighbour painted later
// would draw its edge through a text running over it, and one painted
// earlier would have its edge and its own text wiped by that blank.
void GridPainter::paintRow(QPainter& painter, int row)
{
    std::vector<PlacedText> texts;
    placeOverflowFromOutside(painter, texts, row, -1);
    placeOverflowFromOutside(painter, texts, row, 1);
    std::vector<int> columns;
    for (int column = visible_.left; column <= visible_.right; ++column) {
        const bool shown = sheet_.hasCell(row, column) || sheet_.isSpilled(row, column);
        if (geometry_.columnWidth(column) == 0 || !shown || insideMerge(row, column)) {
            continue;
        }
        columns.push_back(column);
        if (auto placed = placeText(painter, row, column, geometry_.cellRect(row, column), true)) {
            texts.push_back(std::move(*placed));
        }
    }
    // Fills go over the blanks of running texts, so that a filled cell a
    // text runs from or over keeps its colour.
    blankRuns(painter, texts);
    for (int column : columns) {
        paintFill(painter, row, column, geometry_.cellRect(row, column));
    }
    drawTexts(painter, texts);
    for (int column : columns) {
        paintBorders(painter, row, column, geometry_.cellRect(row, column));
    }
}

void GridPainter::paintTexts(QPainter& painter, const std::vector<PlacedText>& texts)
{
    blankRuns(painter, texts);
    drawTexts(painter, texts);
}

void GridPainter::blankRuns(QPainter& painter, const std::vector<PlacedText>& texts)
{
    for (const PlacedText& placed : texts) {
        if (placed.runs) {
            // The text covers the grid lines between the cells it runs over.
            painter.fillRect(placed.area.adjusted(0, 0, -1, -1), Qt::white);
        }
    }
}

void GridPainter::drawTexts(QPainter& painter, const std::vector<PlacedText>& texts)
{
    for (const PlacedText& placed : texts) {
        painter.setPen(placed.color);
        painter.setFont(placed.font);
        const int lines = placed.wrap ? Qt::TextWordWrap : Qt::TextSingleLine;
        painter.drawText(textRect(placed.area), static_cast<int>(placed.alignment) | lines, placed.text);
    }
}

// The grid lines on the cell's right and bottom stay: Excel draws them too.
void GridPainter::paintFill(QPainter& painter, int row, int column, const QRect& rect)
{
    const CellColor fill = sheet_.style(row, column).fill;
    if (!fill.isAutomatic()) {
        painter.fillRect(rect.adjusted(0, 0, -1, -1), colorOf(fill, Qt::white));
    }
}

// Text wider than its cell runs on over empty neighbours, as titles do in a
// spreadsheet: to the right when aligned left, to the left when aligned
// right, to both sides when centred. Numbers never do: they are made to fit.
std::optional<PlacedText> GridPainter::placeText(QPainter& painter, int row, int column, const QRect& rect, bool mayRun)
{
    const CellStyle& style = sheet_.style(row, column);
    const Qt::Alignment vertical(kVerticals.at(static_cast<std::size_t>(style.alignVert)));
    PlacedText placed{rect, false, {}, alignmentOf(row, column, style) | vertical, fonts_.font(style.font),
                      colorOf(style.font.color, Qt::black), style.wrapText && !showsFormula(row, column)};
    const QFontMetrics metrics(placed.font, painter.device());
    placed.text = cellText(row, column, metrics, rect);
    if (placed.text.isEmpty()) {
        return std::nullopt;
    }
    const bool number = !showsFormula(row, column) && sheet_.value(row, column).isNumber();
    const int needed = metrics.horizontalAdvance(placed.text) + 2 * kTextPadding + 1;
    // Wrapped text takes more lines instead of running on.
    if (mayRun && !number && !placed.wrap && needed > rect.width()) {
        placed.area = overflowRect(row, column, rect, needed, placed.alignment);
        placed.runs = true;
    }
    return placed;
}

QString GridPainter::cellText(int row, int column, const QFontMetrics& metrics, const QRect& rect) const
{
    if (showsFormula(row, column)) {
        return formulaText(row, column);
    }
    const CellDisplay display(textRect(rect).width(),
                              [&metrics](QStringView text) { return metrics.horizontalAdvance(text.toString()); });
    return display.text(sheet_, row, column);
}

Qt::Alignment GridPainter::alignmentOf(int row, int column, const CellStyle& style) const
{
    // A formula is read as text, from its start.
    if (showsFormula(row, column)) {
        return Qt::AlignLeft;
    }
    if (style.alignHorz == HorizontalAlignment::General) {
        return generalAlignment(sheet_.value(row, column).type());
    }
    return Qt::Alignment(kAlignments.at(static_cast<std::size_t>(style.alignHorz)));
}

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
void GridPainter::placeOverflowFromOutside(QPainter& painter, std::vector<PlacedText>& texts, int row, int step)
{
    const int first = step < 0 ? visible_.left - 1 : visible_.right + 1;
    for (int column = first, seen = 0; column >= 0 && column < kMaxColumns && seen < kOverflowReach;
         column += step, ++seen) {
        if (freeForOverflow(row, column)) {
            continue;
        }
        if (sheet_.mergedAreaAt(row, column) == nullptr) {
            auto placed = placeText(painter, row, column, geometry_.cellRect(row, column), true);
            if (placed && placed->runs) {
                texts.push_back(std::move(*placed));
            }
        }
        return;
    }
}

bool GridPainter::freeForOverflow(int row, int column) const
{
    if (insideMerge(row, column)) {
        return false;
    }
    if (sheet_.isSpilled(row, column)) {
        return false;
    }
    return !sheet_.hasCell(row, column) || (!showsFormula(row, column) && sheet_.displayText(row, column).isEmpty());
}

void GridPainter::paintBorders(QPainter& painter, int row, int column, const QRect& rect)
{
    const CellStyle& style = sheet_.style(row, column);
    // Each line is drawn over the grid line it replaces, the one just before
    // the cell; wider lines grow into the cell.
    const auto paintEdge = [&](BorderLine line, CellColor color, bool vertical) {
        const QRect edge = vertical ? QRect(rect.left() - 1, rect.top() - 1, 1, rect.height() + 1)
                                    : QRect(rect.left() - 1, rect.top() - 1, rect.width() + 1, 1);
        paintBorderLine(painter, edge, vertical, line, colorOf(color, Qt::black));
    };
    paintEdge(style.borderLeft, style.borderLeftColor, true);
    paintEdge(style.borderTop, style.borderTopColor, false);
}

// A dashed line on the top edge of each row a printed page starts at.
void GridPainter::paintPageBreaks(QPainter& painter, QSize size)
{
    painter.setPen(QPen(kPageBreakColor, 1, Qt::DashLine));
    for (int row : sheet_.pageBreaks()) {
        if (row >= visible_.top && row <= visible_.bottom) {
            const int y = geometry_.rowY(row) - 1;
            painter.drawLine(geometry_.headerWidth(), y, size.width(), y);
        }
    }
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

bool GridPainter::showsFormula(int row, int column) const
{
    return state_.showFormulas && sheet_.isFormula(row, column);
}

QString GridPainter::formulaText(int row, int column) const
{
    return formulaForUser(sheet_.text(row, column), state_.convention);
}

}  // namespace spreadsheet::render
