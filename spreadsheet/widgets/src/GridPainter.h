#pragma once

#include <spreadsheet/CellRange.h>

#include <QRect>
#include <QSize>
#include <Qt>

#include <vector>

class QPainter;

namespace spreadsheet {
class Sheet;
}

namespace spreadsheet::widgets {

class CellFonts;
class GridGeometry;

struct GridPaintState {
    bool gridLines = true;
    bool showFormulas = false;
    CellRange selection;
    CellAddress current;
};

// Paints one screenful of a sheet: cells, grid, borders, selection and
// headers, in that order so that each layer covers the one below.
class GridPainter {
public:
    GridPainter(const Sheet& sheet, GridGeometry& geometry, CellFonts& fonts, const GridPaintState& state);

    void paint(QPainter& painter, QSize size);

private:
    void paintGridLines(QPainter& painter, QSize size);
    void paintMerges(QPainter& painter);
    void paintCells(QPainter& painter);
    void paintCell(QPainter& painter, int row, int column, const QRect& rect);
    void paintBorders(QPainter& painter, int row, int column, const QRect& rect);
    void paintSelection(QPainter& painter);
    void paintHeaders(QPainter& painter, QSize size);
    void paintColumnHeaders(QPainter& painter, QSize size);
    void paintRowHeaders(QPainter& painter, QSize size);
    QRect overflowRect(int row, int column, QRect rect, int needed, Qt::Alignment alignment);
    bool freeForOverflow(int row, int column) const;
    void paintOverflowFromOutside(QPainter& painter, int row, int step);
    bool insideMerge(int row, int column) const;

    const Sheet& sheet_;
    GridGeometry& geometry_;
    CellFonts& fonts_;
    const GridPaintState& state_;
    CellRange visible_;
    std::vector<CellRange> merges_;  // those crossing the visible area
};

}  // namespace spreadsheet::widgets
