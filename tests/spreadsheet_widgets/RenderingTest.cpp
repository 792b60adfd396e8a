#include "ViewFixture.h"

#include <spreadsheet/CellDisplay.h>
#include <spreadsheet/Sheet.h>

#include <QColor>
#include <QFontMetrics>
#include <QLocale>
#include <QScrollBar>

#include <functional>

using namespace spreadsheet;

namespace {

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 100;
}

// Dark pixels inside a rectangle of the image.
int darkPixels(const QImage& image, const QRect& rect)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            count += isDark(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

CellStyle rightAligned()
{
    CellStyle style;
    style.alignHorz = HorizontalAlignment::Right;
    return style;
}

class RenderingTest : public ViewFixture {
protected:
    void SetUp() override
    {
        ViewFixture::SetUp();
        // Keeps the selection frame away from the cells under test.
        view->setSelection(CellRange::cell(15, 8), {15, 8});
    }
    // A cell without its grid lines.
    QRect inner(int row, int column) const { return view->cellRect(row, column).adjusted(0, 1, -1, -1); }
};

TEST_F(RenderingTest, LeftBorderIsDrawnWhereTheGridLineWas)
{
    CellStyle style;
    style.borderLeft = BorderLine::Thin;
    sheet->setStyle(1, 1, style);
    const QImage image = render();
    const QRect bordered = view->cellRect(1, 1);
    const QRect plain = view->cellRect(1, 3);
    EXPECT_TRUE(isDark(image.pixel(bordered.left() - 1, bordered.center().y())));
    EXPECT_FALSE(isDark(image.pixel(plain.left() - 1, plain.center().y())));
    EXPECT_NE(image.pixel(plain.left() - 1, plain.center().y()), QColor(Qt::white).rgb());
}

TEST_F(RenderingTest, MergedAreaHasNoInnerGridLine)
{
    sheet->mergeCells({1, 4, 2, 5});
    view->refresh();
    const QImage image = render();
    const QRect inside = view->cellRect(4, 1);
    const QRect outside = view->cellRect(8, 1);
    const QColor white(Qt::white);
    EXPECT_EQ(image.pixel(inside.right(), inside.center().y()), white.rgb());
    EXPECT_EQ(image.pixel(inside.center().x(), inside.bottom()), white.rgb());
    EXPECT_NE(image.pixel(outside.right(), outside.center().y()), white.rgb());
}

TEST_F(RenderingTest, HiddenRowGivesItsPlaceToTheNext)
{
    sheet->setText(9, 0, QStringLiteral("WWWW"));
    const QRect eighth = view->cellRect(8, 0);
    EXPECT_EQ(darkPixels(render(), eighth), 0);

    sheet->setRowHidden(8, true);
    view->refresh();
    EXPECT_EQ(view->cellRect(9, 0).top(), eighth.top());
    EXPECT_GT(darkPixels(render(), eighth.intersected(view->cellRect(9, 0))), 0);
}

TEST_F(RenderingTest, NumbersAlignRightAndTextLeft)
{
    sheet->setText(2, 1, QStringLiteral("7"));
    sheet->setText(3, 1, QStringLiteral("ab"));
    sheet->setText(4, 1, QStringLiteral("ab"));
    sheet->setStyle(4, 1, rightAligned());
    const QImage image = render();
    const auto halves = [&](int row) {
        const QRect cell = view->cellRect(row, 1).adjusted(0, 1, -2, -2);
        const QRect left(cell.left(), cell.top(), cell.width() / 2, cell.height());
        const QRect rightHalf(left.right() + 1, cell.top(), cell.width() - left.width(), cell.height());
        return std::pair{darkPixels(image, left), darkPixels(image, rightHalf)};
    };
    for (int row : {2, 4}) {
        const auto [left, rightSide] = halves(row);
        EXPECT_EQ(left, 0) << "row " << row;
        EXPECT_GT(rightSide, 0) << "row " << row;
    }
    const auto [left, rightSide] = halves(3);
    EXPECT_GT(left, 0);
    EXPECT_EQ(rightSide, 0);
}

TEST_F(RenderingTest, FormulasShowWhenAskedFor)
{
    sheet->setText(1, 1, QStringLiteral("=1+1"));
    const QRect cell = view->cellRect(1, 1).adjusted(0, 1, -2, -2);
    const QRect leftHalf(cell.left(), cell.top(), cell.width() / 2, cell.height());
    EXPECT_EQ(darkPixels(render(), leftHalf), 0);  // the result, a number, sits on the right
    sheet->setShowFormulas(TriState::On);
    EXPECT_GT(darkPixels(render(), leftHalf), 0);
}

TEST_F(RenderingTest, HeadersTakeRoomOnlyWhenShownAndSizesMoveTheCellsBelow)
{
    const QRect withHeaders = view->cellRect(0, 0);
    EXPECT_GT(withHeaders.left(), 0);
    EXPECT_GT(withHeaders.top(), 0);
    sheet->setRowHeight(2, 40);
    sheet->setColumnWidth(1, 100);
    sheet->setHeaders(TriState::Off);
    view->refresh();
    EXPECT_EQ(view->cellRect(0, 0).topLeft(), QPoint(0, 0));
    EXPECT_EQ(view->cellRect(3, 0).top() - view->cellRect(2, 0).top(), 40);
    EXPECT_EQ(view->cellRect(0, 2).left() - view->cellRect(0, 1).left(), 100);
}

// Long text runs over empty neighbours only, and hides the grid lines of
// the cells it covers; a border drawn on one of them stays, whichever side
// the text comes from.
TEST_F(RenderingTest, LongTextRunsOverEmptyNeighboursHidingGridLinesButNotBorders)
{
    const QString titulo = QStringLiteral("Resumo da Folha de Pagamento por estabelecimento");
    CellStyle bold;
    bold.font.bold = true;
    CellStyle bordered;
    bordered.borderLeft = BorderLine::Thin;
    sheet->setText(1, 1, titulo);  // B2 runs right over C2 (a style only) and D2 (a border), painted after it
    sheet->setStyle(1, 2, bold);
    sheet->setStyle(1, 3, bordered);
    sheet->setText(2, 1, titulo);  // B3, with C3 taken
    sheet->setText(2, 2, QStringLiteral("x"));
    sheet->setText(3, 5, titulo);  // F4 runs left over E4 and D4 (a border), painted before it
    sheet->setStyle(3, 5, rightAligned());
    sheet->setStyle(3, 3, bordered);
    sheet->setText(5, 1, QStringLiteral("123456789012345678901234567890"));  // a number stays in its cell
    sheet->setText(7, 1, titulo);  // B8, with C8 never written
    const QImage image = render();
    const auto edgeBefore = [&](int row, int column) {
        const QRect cell = view->cellRect(row, column);
        return image.pixel(cell.left() - 1, cell.top() + 1);
    };
    const QRgb white = QColor(Qt::white).rgb();
    EXPECT_GT(darkPixels(image, inner(1, 2)), 0);
    EXPECT_GT(darkPixels(image, inner(7, 2)), 0);
    EXPECT_EQ(edgeBefore(1, 2), white) << "grid line left under the text";
    EXPECT_TRUE(isDark(edgeBefore(1, 3)));
    EXPECT_EQ(edgeBefore(3, 4), white);
    EXPECT_EQ(edgeBefore(3, 5), white);
    EXPECT_TRUE(isDark(edgeBefore(3, 3))) << "a later text blanked an earlier border";

    const QRect c3 = view->cellRect(2, 2);
    const QRect afterX = c3.adjusted(c3.width() / 2, 1, -1, -1);
    EXPECT_EQ(darkPixels(image, afterX), 0) << "text ran into a filled neighbour";
    EXPECT_EQ(darkPixels(image, inner(5, 2)), 0);
}

TEST_F(RenderingTest, TextFromACellOffTheScreenStillRunsIntoIt)
{
    const QString titulo = QStringLiteral("Resumo da Folha de Pagamento por estabelecimento e funcionário");
    sheet->setText(1, 0, titulo);  // A2: scrolled out to the left
    sheet->setText(2, 0, QStringLiteral("curto"));
    view->horizontalScrollBar()->setValue(1);
    const QImage image = render();
    const QRect b2 = view->cellRect(1, 1);
    ASSERT_GT(b2.left(), 0);
    EXPECT_GT(darkPixels(image, b2.adjusted(0, 1, -1, -1)), 0);
    EXPECT_EQ(darkPixels(image, inner(2, 1)), 0);

    // A merged area off the screen keeps its text to itself.
    sheet->mergeCells({0, 1, 0, 2});
    view->refresh();
    view->horizontalScrollBar()->setValue(1);
    EXPECT_EQ(darkPixels(render(), inner(1, 1)), 0);
}

// Compares the ink of two areas of the same size, pixel by pixel.
bool sameInk(const QImage& image, const QRect& a, const QRect& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (isDark(image.pixel(a.left() + x, a.top() + y)) != isDark(image.pixel(b.left() + x, b.top() + y))) {
                return false;
            }
        }
    }
    return true;
}

TEST_F(RenderingTest, TooWideNumbersShowShortenedOrAsHashesNeverCut)
{
    CellStyle money;
    money.numberFormat = QStringLiteral("#,##0.00");
    sheet->setValue(1, 1, 123456789012.0);  // General: shortened
    sheet->setValue(2, 1, 42368131.0);      // formatted: hashes
    sheet->setStyle(2, 1, money);
    sheet->mergeCells({1, 4, 2, 4});  // B5:C5, wide enough for every digit
    sheet->setValue(4, 1, 123456789012.0);
    view->refresh();
    const auto area = [&](int row, int column) {
        const QRect cell = view->cellRect(row, column);
        return row == 4 ? cell.united(view->cellRect(row, column + 1)) : cell;
    };

    QImage device(1, 1, QImage::Format_RGB32);
    const QFontMetrics metrics(QFont(CellFont{}.name, CellFont{}.size), &device);
    const auto measure = [&](QStringView text) { return metrics.horizontalAdvance(text.toString()); };
    QString shown[5];
    for (int row : {1, 2, 4}) {
        // The painter keeps 2 pixels of padding each side and the grid line clear.
        shown[row] = CellDisplay(area(row, 1).width() - 5, measure).text(*sheet, row, 1);
    }
    const QString leading = QLatin1Char('1') + QLocale().decimalPoint() + QLatin1Char('2');
    EXPECT_TRUE(shown[1].startsWith(leading) && shown[1].endsWith(QStringLiteral("E+11"))) << shown[1].toStdString();
    EXPECT_FALSE(shown[2].isEmpty());
    EXPECT_EQ(shown[2], QString(shown[2].size(), QLatin1Char('#')));
    EXPECT_EQ(shown[4], QStringLiteral("123456789012"));

    // Each cell must look like its text typed, right-aligned, in column E.
    sheet->mergeCells({4, 4, 5, 4});  // E5:F5
    for (int row : {1, 2, 4}) {
        sheet->setValue(row, 4, Value(shown[row]));
        sheet->setStyle(row, 4, rightAligned());
    }
    view->refresh();
    const QImage image = render();
    for (int row : {1, 2, 4}) {
        const QRect number = area(row, 1);
        EXPECT_TRUE(sameInk(image, number, area(row, 4))) << "row " << row;
        EXPECT_GT(darkPixels(image, number.adjusted(0, 1, -number.width() / 2, -1)), 0) << "row " << row;
        EXPECT_EQ(darkPixels(image, inner(row, 0)), 0) << "row " << row;
    }
    for (int row : {1, 2}) {
        EXPECT_EQ(darkPixels(image, inner(row, 2)), 0) << "row " << row;
    }
}

TEST_F(RenderingTest, ShownFormulasReadInTheViewsConvention)
{
    sheet->setColumnWidth(1, 200);
    sheet->setColumnWidth(2, 200);
    sheet->setText(1, 1, QStringLiteral("=1.5+SUM(1;2)"));
    sheet->setText(1, 2, QStringLiteral("=1,5+SOMA(1;2)"), TextMode::Plain);
    sheet->setShowFormulas(TriState::On);
    view->refresh();
    const QImage image = render();
    EXPECT_TRUE(sameInk(image, view->cellRect(1, 1), view->cellRect(1, 2)));
}

TEST_F(RenderingTest, PageBreakRowHasADashedLineOnTop)
{
    sheet->setPageBreak(5, true);
    const QImage image = render();
    const auto topEdge = [&](int row) {
        const QRect first = view->cellRect(row, 0);
        return QRect(first.left(), first.top() - 1, view->cellRect(row, 5).right() - first.left(), 1);
    };
    const QRect broken = topEdge(5);
    EXPECT_GT(darkPixels(image, broken), broken.width() / 4);
    EXPECT_LT(darkPixels(image, broken), broken.width()) << "a solid line, not a dashed one";
    EXPECT_EQ(darkPixels(image, topEdge(4)), 0);
}

// The rows of a rectangle holding a pixel that matches.
std::pair<int, int> rowsWith(const QImage& image, const QRect& rect, const std::function<bool(QRgb)>& matches)
{
    int first = -1, last = -1;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (matches(image.pixel(x, y))) {
                first = first < 0 ? y : first;
                last = y;
            }
        }
    }
    return first < 0 ? std::pair(-1, -1) : std::pair(first - rect.top(), last - rect.top());
}

bool reddish(QRgb p)
{
    return qRed(p) > 150 && qGreen(p) < 110 && qBlue(p) < 110;
}

struct LookCase {
    const char* name;
    std::function<void(CellStyle&)> change;
    const char* text;
    // Given the cell's rectangle, on a row 48 pixels high.
    std::function<void(const QImage&, const QRect&)> check;
};

TEST_F(RenderingTest, FillColourWrapAlignmentAndLineStylesShow)
{
    const auto ink = [](QRgb p) { return isDark(p) || reddish(p); };
    const std::vector<LookCase> cases{
        {"fill", [](CellStyle& s) { s.fill = CellColor::rgb(0xFFFF00); }, "",
         [](const QImage& image, const QRect& cell) {
             EXPECT_EQ(image.pixel(cell.center()), qRgb(0xFF, 0xFF, 0x00));
             EXPECT_NE(image.pixel(cell.right(), cell.center().y()), qRgb(0xFF, 0xFF, 0x00));  // the grid line
         }},
        {"font colour", [](CellStyle& s) { s.font.color = CellColor::rgb(0xFF0000); }, "MMM",
         [](const QImage& image, const QRect& cell) {
             EXPECT_GE(rowsWith(image, cell, reddish).first, 0);
             EXPECT_EQ(rowsWith(image, cell, [](QRgb p) { return qGray(p) < 100 && qRed(p) - qBlue(p) < 30; }).first, -1);
         }},
        {"top", [](CellStyle& s) { s.alignVert = VerticalAlignment::Top; }, "X",
         [&](const QImage& image, const QRect& cell) { EXPECT_LT(rowsWith(image, cell, ink).second, 24); }},
        {"centre", [](CellStyle& s) { s.alignVert = VerticalAlignment::Center; }, "X",
         [&](const QImage& image, const QRect& cell) {
             const auto [top, bottom] = rowsWith(image, cell, ink);
             EXPECT_GT(top, 8);
             EXPECT_LT(bottom, 40);
         }},
        {"bottom", [](CellStyle&) {}, "X",
         [&](const QImage& image, const QRect& cell) { EXPECT_GT(rowsWith(image, cell, ink).first, 24); }},
        {"wrap", [](CellStyle& s) { s.wrapText = true; }, "um dois três quatro",
         [&](const QImage& image, const QRect& cell) {
             const auto [top, bottom] = rowsWith(image, cell, ink);
             EXPECT_GT(bottom - top, 16);  // more than one line of an 8 point font
             const QRect next = cell.translated(cell.width(), 0).adjusted(1, 0, -1, -1);
             EXPECT_EQ(rowsWith(image, next, ink).first, -1);  // nothing runs on
         }},
        {"blue dashed left line",
         [](CellStyle& s) {
             s.borderLeft = BorderLine::Dashed;
             s.borderLeftColor = CellColor::rgb(0x0000FF);
         },
         "",
         [](const QImage& image, const QRect& cell) {
             int blue = 0;
             for (int y = cell.top(); y < cell.bottom(); ++y) {
                 blue += image.pixel(cell.left() - 1, y) == qRgb(0, 0, 0xFF) ? 1 : 0;
             }
             EXPECT_GT(blue, cell.height() / 3);
             EXPECT_LT(blue, cell.height() - 2);  // with gaps
         }},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const int row = int(i) + 1;
        CellStyle style;
        cases[i].change(style);
        sheet->setText(row, 1, QString::fromUtf8(cases[i].text), TextMode::Plain);
        sheet->setStyle(row, 1, style);
        sheet->setRowHeight(row, 48);
    }
    view->refresh();
    const QImage image = render();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        const QRect cell = view->cellRect(int(i) + 1, 1);
        ASSERT_LT(cell.bottom(), image.height());
        cases[i].check(image, cell);
    }
}

}  // namespace
