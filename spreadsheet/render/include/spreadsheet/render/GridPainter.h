#pragma once

#include <spreadsheet/CellRange.h>
#include <spreadsheet/FormulaConvention.h>

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <Qt>

#include <optional>
#include <vector>

class QFontMetrics;
class QPainter;

namespace spreadsheet {
class Sheet;
struct CellStyle;
}

namespace spreadsheet::render {

class CellFonts;
class GridGeometry;

// A cell's text as it will be drawn: in its cell, or across the empty
// neighbours it runs over.
struct PlacedText {
    QRect area;
    bool runs = false;
    QString text;
    Qt::Alignment alignment;  // horizontal and vertical
    QFont font;
    QColor color;
    bool wrap = false;
};

struct GridPaintState {
    bool gridLines = true;
    bool showFormulas = false;
    FormulaConvention convention = FormulaConvention::Brazilian;
    CellRange selection;
    CellAddress current;
    // A printed page shows neither the selection nor the page-break marks.
    bool printing = false;
};

// Paints one screenful of a sheet: grid, cells, borders, page breaks,
// selection and headers, in that order so that each layer covers the one
// below.
class GridPainter {
public:
    GridPainter(const Sheet& sheet, GridGeometry& geometry, CellFonts& fonts, const GridPaintState& state);

    void paint(QPainter& painter, QSize size);

private:
    void paintGridLines(QPainter& painter, QSize size);
    void paintMerges(QPainter& painter);
    void paintCells(QPainter& painter);
    void paintRow(QPainter& painter, int row);
    void paintTexts(QPainter& painter, const std::vector<PlacedText>& texts);
    void blankRuns(QPainter& painter, const std::vector<PlacedText>& texts);
    void drawTexts(QPainter& painter, const std::vector<PlacedText>& texts);
    void paintFill(QPainter& painter, int row, int column, const QRect& rect);
    void paintBorders(QPainter& painter, int row, int column, const QRect& rect);
    void paintPageBreaks(QPainter& painter, QSize size);
    void paintSelection(QPainter& painter);
    void paintHeaders(QPainter& painter, QSize size);
    void paintColumnHeaders(QPainter& painter, QSize size);
    void paintRowHeaders(QPainter& painter, QSize size);
    std::optional<PlacedText> placeText(QPainter& painter, int row, int column, const QRect& rect, bool mayRun);
    QString cellText(int row, int column, const QFontMetrics& metrics, const QRect& rect) const;
    Qt::Alignment alignmentOf(int row, int column, const CellStyle& style) const;
    QRect overflowRect(int row, int column, QRect rect, int needed, Qt::Alignment alignment);
    bool freeForOverflow(int row, int column) const;
    void placeOverflowFromOutside(QPainter& painter, std::vector<PlacedText>& texts, int row, int step);
    bool insideMerge(int row, int column) const;
    bool showsFormula(int row, int column) const;
    QString formulaText(int row, int column) const;

    const Sheet& sheet_;
    GridGeometry& geometry_;
    CellFonts& fonts_;
    const GridPaintState& state_;
    CellRange visible_;
    std::vector<CellRange> merges_;  // those crossing the visible area
};

}  // namespace spreadsheet::render
