#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>
#include <spreadsheet/widgets/SpreadsheetView.h>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

namespace {

using namespace spreadsheet;

constexpr int kRows = 100000;
constexpr int kColumns = 12;

// Numbers with and without formats, text, bold and aligned cells, a few
// borders, merges and hidden rows: the mix of a generated payroll sheet.
void fill(Sheet& sheet)
{
    CellStyle money;
    money.numberFormat = QStringLiteral("#,##0.00");
    CellStyle bold;
    bold.font.bold = true;
    bold.borderTop = BorderLine::Thin;
    CellStyle centred;
    centred.alignHorz = HorizontalAlignment::Center;
    for (int row = 0; row < kRows; ++row) {
        sheet.setText(row, 0, QStringLiteral("Funcionário %1").arg(row));
        sheet.setValue(row, 1, row * 1.5);
        sheet.setStyle(row, 1, money);
        sheet.setValue(row, 2, row % 97);
        if (row % 10 == 0) {
            sheet.setText(row, 3, QStringLiteral("Total"));
            sheet.setStyle(row, 3, bold);
        }
        sheet.setText(row, 4, QStringLiteral("centro"));
        sheet.setStyle(row, 4, centred);
        for (int column = 5; column < kColumns; ++column) {
            sheet.setValue(row, column, row + column * 0.25);
        }
        if (row % 1000 == 500) {
            sheet.mergeCells({5, row, 6, row + 1});
            sheet.setRowHidden(row + 3, true);
        }
    }
}

struct Fixture {
    Fixture()
    {
        workbook.history().setEnabled(false);
        workbook.beginUpdate();
        fill(workbook.addSheet());
        workbook.endUpdate();
        view.resize(1920, 1080);
        view.setWorkbook(&workbook);
    }
    Workbook workbook;
    widgets::SpreadsheetView view;
};

Fixture& fixture()
{
    static Fixture instance;
    return instance;
}

void BM_PaintViewport(benchmark::State& state)
{
    Fixture& f = fixture();
    const int row = static_cast<int>(state.range(0));
    f.view.setSelection(CellRange::cell(row, 0), {row, 0});
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        f.view.renderViewport(painter, image.rect());
    }
}
BENCHMARK(BM_PaintViewport)->Arg(0)->Arg(kRows / 2)->Arg(kRows - 1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
