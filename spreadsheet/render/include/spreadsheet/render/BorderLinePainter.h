#pragma once

#include <spreadsheet/CellStyle.h>

#include <QColor>
#include <QRect>

class QPainter;

namespace spreadsheet::render {

// Draws a border line of a kind along `edge`, a strip one pixel across:
// wider kinds grow to the right of a vertical edge and below a horizontal
// one, dashed kinds break along it. The grid, and every picture of a line
// kind, draw lines this way so that they look alike.
void paintBorderLine(QPainter& painter, const QRect& edge, bool vertical, BorderLine line, const QColor& color);

// How many pixels across a line of the kind takes; 0 for none.
int borderLineWidth(BorderLine line);

}  // namespace spreadsheet::render
