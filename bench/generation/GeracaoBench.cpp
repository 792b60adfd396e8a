// The generation run at payroll scale: one company, N employees with 25
// events each, the payroll summary replicated by employee (one row per
// employee, 10 payroll cells). Databases are made on first use under
// DARVELO_BENCH_DIR (default /tmp/darvelo-bench); the 50,000-employee one
// takes about two minutes and 1.4 GB.
//
//   generation_bench                      the timed runs
//   generation_bench --modelo CAMINHO     only writes the template, for the
//                                         timed "darvelo gerar" command
#include "catalog/RegistroFuncoes.h"
#include "generation/RegistroGeracao.h"

#include "host/DemoDataGenerator.h"
#include "host/TnActionRegistry.h"
#include "host/TnDMPlanilha.h"
#include "host/TnDMSQLDataSet.h"
#include "host/TnFraProgresso.h"

#include <spreadsheet/io/WorkbookExport.h>
#include <spreadsheet/io/WorkbookFile.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

#include <map>
#include <memory>

using spreadsheet::Sheet;
using spreadsheet::TextMode;
using spreadsheet::Workbook;

namespace {

// The payroll cells of an employee row: 4 event values, 2 bases, 2
// references, the name and the INSS value.
const char* const kCelulas[] = {
    "=fpaFunc(2;$A2)",
    "=fpaEvValor(100;-1;\"\";$A2)",
    "=fpaEvValor(35;-1;\"\";$A2)",
    "=fpaEvValor(37;-1;\"\";$A2)",
    "=fpaEvValor(49;-1;\"\";$A2)",
    "=fpaEvBase(100;-1;\"\";$A2)",
    "=fpaEvBase(35;-1;\"\";$A2)",
    "=fpaEvRefer(100;-1;\"\";$A2)",
    "=fpaEvRefer(35;-1;\"\";$A2)",
    "=fpaImpCalc(23;-1;-1;-1;\"\";$A2)",
};

std::unique_ptr<Workbook> modelo()
{
    auto wb = std::make_unique<Workbook>();
    wb->addSheet(QStringLiteral("Sheet1"));
    Sheet& parametros = wb->addSheet(QStringLiteral("Parâmetros"));
    const std::pair<const char*, const char*> nomes[] = {{"Empresas", "1"}, {"PeriodoCalculo", "1"},
                                                         {"Replicacao", "A"}};
    int row = 0;
    for (const auto& [nome, valor] : nomes) {
        parametros.setText(row, 0, QString::fromLatin1(nome), TextMode::Plain);
        parametros.setText(row, 1, QString::fromLatin1(valor), TextMode::Plain);
        wb->defineName(QString::fromLatin1(nome), QStringLiteral("'Parâmetros'!$B$%1").arg(++row));
    }
    Sheet& leiaute = wb->addSheet(QStringLiteral("Leiaute"));
    leiaute.setText(0, 1, QStringLiteral("Funcionário"));
    leiaute.setText(1, 0, QStringLiteral("FUNC"), TextMode::Plain);
    int column = 1;
    for (const char* celula : kCelulas)
        leiaute.setText(1, column++, QString::fromUtf8(celula));
    return wb;
}

QString pasta()
{
    const QString dir = qEnvironmentVariable("DARVELO_BENCH_DIR", QStringLiteral("/tmp/darvelo-bench"));
    QDir().mkpath(dir);
    return dir;
}

QString banco(int funcionarios)
{
    const QString caminho = QDir(pasta()).filePath(QStringLiteral("folha-%1.sqlite").arg(funcionarios));
    if (!QFileInfo::exists(caminho)) {
        host::DemoDataOptions opcoes;
        opcoes.empresas = 1;
        opcoes.funcionarios = funcionarios;
        opcoes.eventosPorFuncionario = 25;
        opcoes.periodos = 2;
        opcoes.historicos = 1;
        host::DemoDataGenerator::criarSqlite(caminho, opcoes);
    }
    return QStringLiteral("sqlite:") + caminho;
}

// Times the phases of the run from its step lines.
class Cronometro : public host::TnFraProgresso {
public:
    void MostrarSimples(QObject*) override {}
    void SetEhCircular(bool) override {}
    void LimparExibirCountTotal() override {}
    void IncProgressoTotal(const QString& texto, int n) override
    {
        if (n != 0)
            return;
        const qint64 agora = relogio.nsecsElapsed();
        const QString fase = texto.section(QLatin1Char(' '), 2);
        fases[fase.isEmpty() ? texto : fase] += double(agora - ultimo) / 1e9;
        ultimo = agora;
    }
    QElapsedTimer relogio;
    qint64 ultimo = 0;
    std::map<QString, double> fases;
};

void BM_Geracao(benchmark::State& state)
{
    const int funcionarios = static_cast<int>(state.range(0));
    host::TnDMSQLDataSet::Conectar(banco(funcionarios));
    std::map<QString, double> fases;
    qint64 linhas = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto wb = modelo();
        auto modulo = host::TnActionRegistry::instance().criar(QStringLiteral("TnFpaDMPlanilha"));
        auto* dm = dynamic_cast<host::TnDMPlanilha*>(modulo.get());
        dm->SetcxSpreadSheetBook(wb.get());
        auto cronometro = std::make_unique<Cronometro>();
        Cronometro& tempos = *cronometro;
        dm->SetProgresso(std::move(cronometro));
        state.ResumeTiming();
        tempos.relogio.start();
        dm->Executar();
        state.PauseTiming();
        linhas = wb->findSheet(QStringLiteral("Emp1"))->rowCount();
        for (const auto& [fase, segundos] : tempos.fases)
            fases[fase] += segundos;
        state.ResumeTiming();
    }
    host::TnDMSQLDataSet::Desconectar();
    state.counters["linhas"] = double(linhas);
    state.counters["linhas/s"] = benchmark::Counter(double(linhas), benchmark::Counter::kIsIterationInvariantRate);
    for (const auto& [fase, segundos] : fases)
        state.counters[("s " + fase).toStdString()] = segundos / double(state.iterations());
}
BENCHMARK(BM_Geracao)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    catalog::RegistrarTodasFuncoes();
    generation::RegistrarTnFpaDMPlanilha();
    if (argc == 3 && QByteArray(argv[1]) == "--modelo") {
        spreadsheet::io::WorkbookFile::save(*modelo(), {}, QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
