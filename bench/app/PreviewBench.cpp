// The print preview on a long report: 10,000 employee rows of 13 columns,
// fitted one page wide, as the sample payroll summary prints.
#include "src/impressao/VisualizacaoImpressao.h"

#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

struct Relatorio {
    Relatorio() : folha(workbook.addSheet(QStringLiteral("Emp1")))
    {
        workbook.beginUpdate();
        for (int r = 0; r < 10000; ++r) {
            folha.setText(r, 0, QStringLiteral("Funcionário %1").arg(r), spreadsheet::TextMode::Plain);
            for (int c = 1; c < 13; ++c)
                folha.setValue(r, c, r * 1.5 + c);
        }
        workbook.endUpdate();
        settings.landscape = true;
        settings.fitPagesWide = 1;
    }
    spreadsheet::Workbook workbook;
    spreadsheet::Sheet& folha;
    spreadsheet::io::PrintSettings settings;
};

Relatorio& relatorio()
{
    static Relatorio r;
    return r;
}

std::unique_ptr<VisualizacaoImpressao> abrir()
{
    auto v = std::make_unique<VisualizacaoImpressao>(
        spreadsheet::print::PrintJob({&relatorio().folha}, relatorio().settings, QString()), [](QWidget*) {},
        [](QWidget*) {}, nullptr);
    v->show();
    QApplication::processEvents();
    return v;
}

// From the command to the first page painted.
void BM_PreviewFirstPage(benchmark::State& state)
{
    for (auto _ : state) {
        auto v = abrir();
        benchmark::DoNotOptimize(v->grab());
    }
    state.counters["paginas"] = abrir()->paginas();
}
BENCHMARK(BM_PreviewFirstPage)->Unit(benchmark::kMillisecond);

void BM_PreviewNextPage(benchmark::State& state)
{
    auto v = abrir();
    int pagina = 0;
    for (auto _ : state) {
        v->irPara(++pagina % v->paginas());
        benchmark::DoNotOptimize(v->grab());
    }
}
BENCHMARK(BM_PreviewNextPage)->Unit(benchmark::kMillisecond);

}  // namespace
