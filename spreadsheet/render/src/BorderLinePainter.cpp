#include <spreadsheet/render/BorderLinePainter.h>

#include <QPainter>

#include <algorithm>
#include <array>

namespace spreadsheet::render {

namespace {

// How each kind of border line is drawn: its width in pixels, growing into
// the cell, and its dashes and gaps along the edge (no dashes for a solid
// line); a double line is two thin ones with a pixel between them.
struct LineLook {
    BorderLine line;
    int width;
    int dash;
    int gap;
    bool doubled;
};

constexpr std::array<LineLook, 8> kLineLooks{{
    {BorderLine::Thin, 1, 0, 0, false},
    {BorderLine::Medium, 2, 0, 0, false},
    {BorderLine::Thick, 3, 0, 0, false},
    {BorderLine::Double, 1, 0, 0, true},
    {BorderLine::Dashed, 1, 4, 2, false},
    {BorderLine::Dotted, 1, 1, 2, false},
    {BorderLine::Hair, 1, 1, 1, false},
    {BorderLine::MediumDashed, 2, 4, 2, false},
}};

const LineLook* lineLook(BorderLine line)
{
    for (const LineLook& look : kLineLooks) {
        if (look.line == line) {
            return &look;
        }
    }
    return nullptr;
}

// One pixel wide strip along `edge`, solid or in dashes.
void paintStrip(QPainter& painter, const QRect& edge, bool vertical, const LineLook& look, const QColor& color)
{
    const int length = vertical ? edge.height() : edge.width();
    const int step = look.dash == 0 ? length : look.dash + look.gap;
    for (int at = 0; at < length; at += step) {
        const int piece = std::min(look.dash == 0 ? length : look.dash, length - at);
        painter.fillRect(vertical ? QRect(edge.left(), edge.top() + at, 1, piece)
                                  : QRect(edge.left() + at, edge.top(), piece, 1),
                         color);
    }
}

}  // namespace

void paintBorderLine(QPainter& painter, const QRect& edge, bool vertical, BorderLine line, const QColor& color)
{
    const LineLook* look = lineLook(line);
    if (!look) {
        return;
    }
    const QPoint step = vertical ? QPoint(1, 0) : QPoint(0, 1);
    for (int i = 0; i < look->width; ++i) {
        paintStrip(painter, edge.translated(step * i), vertical, *look, color);
    }
    if (look->doubled) {
        paintStrip(painter, edge.translated(step * 2), vertical, *look, color);
    }
}

int borderLineWidth(BorderLine line)
{
    const LineLook* look = lineLook(line);
    return !look ? 0 : look->doubled ? 3 : look->width;
}

}  // namespace spreadsheet::render
