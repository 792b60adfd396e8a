// A PDF page, rasterised by poppler, against the same page painted by our
// own painter onto an image: the PDF holds what the grid draws.
#include <spreadsheet/print/PageLayout.h>
#include <spreadsheet/print/PagePainter.h>
#include <spreadsheet/print/PdfExport.h>

#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace spreadsheet;

namespace {

class PdfPixelTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char nome[] = "spreadsheet_print_tests";
        static char* argv[] = {nome, nullptr};
        if (!QGuiApplication::instance())
            new QGuiApplication(argc, argv);  // fonts need it; it lives for the program
    }
};

// A few kinds of cell: text, a formatted number, a bold title over a fill,
// borders of several kinds.
void fill(Sheet& sheet)
{
    sheet.setText(0, 0, QStringLiteral("Resumo da folha"), TextMode::Plain);
    sheet.setValue(2, 1, 1234.5);
    sheet.setText(2, 0, QStringLiteral("Salário"), TextMode::Plain);
    CellStyle title;
    title.font.bold = true;
    title.font.size = 14;
    title.fill = CellColor::rgb(0xA0A0A0);  // dark enough to count as ink
    sheet.setStyle(0, 0, title);
    CellStyle money;
    money.numberFormat = QStringLiteral("#,##0.00");
    money.borderTop = BorderLine::Thick;
    money.borderLeft = BorderLine::Dashed;
    sheet.setStyle(2, 1, money);
    for (int r = 0; r < 12; ++r)
        sheet.setText(r + 4, 0, QStringLiteral("Funcionário %1").arg(r), TextMode::Plain);
}

double darkness(QRgb pixel)
{
    return 255.0 - qGray(pixel);
}

// Pixels whose grey differs by more than a third of the range, out of the
// inked ones: text edges differ by a pixel between two rasterisers (hinting
// and anti-aliasing), some 6 per cent here, which 10 covers; a missing word,
// fill or line moves far more.
TEST_F(PdfPixelTest, PopplersPageMatchesOurOwnDrawing)
{
    Workbook workbook;
    Sheet& sheet = workbook.addSheet(QStringLiteral("Folha"));
    fill(sheet);
    const io::PrintSettings settings;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("p.pdf"));
    ASSERT_EQ(print::PdfExport::write(pdf, {&sheet}, settings, QStringLiteral("teste")), 1);
    QProcess poppler;
    poppler.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf,
                   dir.filePath(QStringLiteral("p"))});
    if (!poppler.waitForFinished(60000) || poppler.exitCode() != 0)
        GTEST_SKIP() << "poppler-utils não instalado";
    const QImage theirs = QImage(dir.filePath(QStringLiteral("p.png"))).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(theirs.isNull());

    const print::PageLayout layout(sheet, settings);
    QImage ours(theirs.size(), QImage::Format_RGB32);
    ours.fill(Qt::white);
    ours.setDotsPerMeterX(3780);  // 96 to the inch, as the PDF's pixels
    ours.setDotsPerMeterY(3780);
    {
        QPainter painter(&ours);
        print::PagePainter(sheet, layout).paint(painter, 0, {});
    }
    int differing = 0, inked = 0;
    for (int y = 0; y < ours.height(); ++y) {
        for (int x = 0; x < ours.width(); ++x) {
            const double a = darkness(ours.pixel(x, y)), b = darkness(theirs.pixel(x, y));
            inked += a > 85 || b > 85;
            differing += std::abs(a - b) > 85;
        }
    }
    ASSERT_GT(inked, 500);  // the page is not blank
    EXPECT_LT(double(differing) / inked, 0.10) << differing << " of " << inked;
}

// A centred page puts its cells halfway between the margins: a 100-pixel
// wide, filled cell on A4 (697.7 pixels between the margins) starts 298.9
// pixels in.
TEST_F(PdfPixelTest, ACentredPageStartsHalfwayInside)
{
    Workbook workbook;
    Sheet& sheet = workbook.addSheet(QStringLiteral("Folha"));
    sheet.setColumnWidth(0, 100);
    CellStyle black;
    black.fill = CellColor::rgb(0x000000);
    sheet.setStyle(0, 0, black);
    io::PrintSettings settings;
    const auto firstInk = [&](bool centred) {
        settings.centerHorizontally = centred;
        const print::PageLayout layout(sheet, settings);
        const QSize paper = (layout.paperMm() * print::PageLayout::kPixelsPerMm).toSize();
        QImage image(paper, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            print::PagePainter(sheet, layout).paint(painter, 0, {});
        }
        const int y = int(settings.marginTopMm * print::PageLayout::kPixelsPerMm) + 5;
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 64)
                return x;
        return -1;
    };
    const int margin = int(settings.marginLeftMm * print::PageLayout::kPixelsPerMm);
    EXPECT_NEAR(firstInk(false), margin, 1);
    EXPECT_NEAR(firstInk(true), margin + (697.7 - 100) / 2, 2);
}

}  // namespace
