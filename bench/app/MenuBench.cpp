// The editor's formula insertion at start-up and on a click: every
// catalogue menu built from the tables, and the parameter dialog opened.
#include "src/formulas/DialogoMaisFuncoes.h"
#include "src/formulas/MenuFormulas.h"
#include "src/formulas/TVandrelParamFormula.h"

#include "catalog/Catalogo.h"
#include "catalog/RegistroFuncoes.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include <benchmark/benchmark.h>

namespace {

void BM_BuildAllCatalogueMenus(benchmark::State& state)
{
    for (auto _ : state) {
        QMenu raiz;
        MenuFormulas menus(raiz);
        for (const catalog::Catalogo& catalogo : catalog::catalogos())
            menus.criarCatalogo(catalogo, [](QAction* item) { benchmark::DoNotOptimize(item); });
    }
}
BENCHMARK(BM_BuildAllCatalogueMenus)->Unit(benchmark::kMillisecond);

// The biggest list a catalogue asks for: an apportioned event.
void BM_OpenParameterDialog(benchmark::State& state)
{
    for (auto _ : state) {
        TVandrelParamFormula dialogo(nullptr);
        dialogo.setFuncao(QStringLiteral("fpaRatValor"));
        dialogo.setDescricao(QStringLiteral("Indique o Código do Funcionário e o Código do Evento."));
        for (const char* nome : {"nCodigoEvento", "nCodigoEstab", "nCodigoOutEmp", "nCodigoCentroCusto",
                                 "nOrganograma", "nCodigoFunc"})
            dialogo.AddParam(host::NovoParam(QString::fromLatin1(nome), QString::fromLatin1(nome), false));
        dialogo.ConfigurarParam();
        dialogo.show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_OpenParameterDialog)->Unit(benchmark::kMillisecond);

// One keystroke in the function browser's search box.
void BM_FunctionBrowserKeystroke(benchmark::State& state)
{
    DialogoMaisFuncoes navegador(spreadsheet::FormulaConvention::Brazilian, nullptr);
    const QStringList teclas{"p", "pr", "pro", "proc", "procv", ""};
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(navegador.filtrar(teclas[i++ % teclas.size()]));
}
BENCHMARK(BM_FunctionBrowserKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacao(argc, argv);
    catalog::RegistrarTodasFuncoes();  // the suite's functions are in the browser too
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    return 0;
}
