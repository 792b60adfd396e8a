// A 10,000-employee payroll summary run from the editor, against the same
// run by the batch command, and how often the progress window repaints
// meanwhile. The demo database is built once and kept in the system's
// temporary folder between runs of the benchmark.
#include "src/InicioEditor.h"
#include "src/TVandrelPrincForm.h"
#include "src/relatorio/ComandosRelatorio.h"
#include "gui/ProgressoJanela.h"
#include "workbook/TVandrelFilhaForm.h"

#include <host/DemoDataGenerator.h>
#include <host/TnDM.h>
#include <relatorio/BancoExemplo.h>
#include <relatorio/ExecucaoRelatorio.h>
#include <relatorio/ModelosExemplo.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QProcess>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

struct Amostra {
    QString pasta = QDir::temp().filePath(QStringLiteral("darvelo-bench-relatorio"));
    QString banco = QStringLiteral("sqlite:") + QDir(pasta).filePath(QStringLiteral("folha-10k.sqlite"));
    QString modelo = QDir(pasta).filePath(QStringLiteral("resumo-folha.nxs"));

    Amostra()
    {
        QDir().mkpath(pasta);
        const exemplo::BancoExemplo demo(banco);
        if (!demo.existe()) {
            host::DemoDataOptions opcoes;
            opcoes.empresas = 1;
            opcoes.funcionarios = 10000;
            demo.criar(opcoes);
        }
        exemplo::gravarModelos(demo.parametros(), QDir(pasta));
    }
};

Amostra& amostra()
{
    static Amostra a;
    return a;
}

// The moments the progress lines were painted.
class Pinturas : public QObject {
public:
    std::vector<qint64> momentos;
    qint64 fechada = 0;  // when the window went away
    QElapsedTimer relogio;

    bool eventFilter(QObject*, QEvent* evento) override
    {
        if (evento->type() == QEvent::Paint)
            momentos.push_back(relogio.elapsed());
        else if (evento->type() == QEvent::Hide)
            fechada = relogio.elapsed();
        return false;
    }
    qint64 maiorIntervalo(qint64 fim) const
    {
        qint64 maior = 0;
        qint64 anterior = 0;
        for (qint64 momento : momentos) {
            maior = std::max(maior, momento - anterior);
            anterior = momento;
        }
        return std::max(maior, fim - anterior);
    }
};

void BM_GerarNoLote(benchmark::State& state)
{
    const QString saida = QDir(amostra().pasta).filePath(QStringLiteral("lote.nxs"));
    for (auto _ : state) {
        QProcess lote;
        lote.start(QStringLiteral(DARVELO_BINARY), {QStringLiteral("gerar"), amostra().modelo, QStringLiteral("--banco"),
                                                    amostra().banco, QStringLiteral("-o"), saida,
                                                    QStringLiteral("--silencioso")});
        if (!lote.waitForFinished(300000) || lote.exitCode() != 0)
            state.SkipWithError(lote.readAllStandardError().constData());
    }
}
BENCHMARK(BM_GerarNoLote)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// From the command to the report's window on the screen.
void BM_GerarNoEditor(benchmark::State& state)
{
    InicioEditor inicio({QStringLiteral("darvelo-planilhas"), amostra().modelo});
    TVandrelFilhaForm& modelo = *inicio.principal().ativa();
    auto& progresso = dynamic_cast<gui::ProgressoJanela&>(inicio.modulo().GetProgresso());
    Pinturas pinturas;
    progresso.linhas()->viewport()->installEventFilter(&pinturas);
    progresso.installEventFilter(&pinturas);
    relatorio::PedidoExecucao pedido{host::ConnectionText::parse(amostra().banco), {}, {}};
    qint64 maior = 0;
    for (auto _ : state) {
        pinturas.momentos.clear();
        pinturas.relogio.start();
        TVandrelFilhaForm* relatorio = inicio.relatorio().executar(modelo, pedido);
        if (!relatorio) {
            state.SkipWithError("o relatório não abriu");
            break;
        }
        QApplication::processEvents();
        maior = std::max(maior, pinturas.maiorIntervalo(pinturas.fechada));
        state.PauseTiming();
        delete relatorio->parentWidget();
        state.ResumeTiming();
    }
    state.counters["maiorIntervaloPinturaMs"] = static_cast<double>(maior);
    state.counters["pinturas"] = static_cast<double>(pinturas.momentos.size());
}
BENCHMARK(BM_GerarNoEditor)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace
