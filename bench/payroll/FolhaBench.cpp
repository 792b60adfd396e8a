// The event functions on a payroll of 2,000,000 calculated events (20,000
// employees, 25 events each, 4 periods) and a sheet of 200,000 cells of
// values, bases or both, under an establishment and employee replication.

#include "catalog/RegistroFuncoes.h"
#include "payroll/TnFpaDMPlanilha.h"

#include "host/DemoDataGenerator.h"
#include "host/TnClientDataSet.h"
#include "host/TnDMSQLDataSet.h"

#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QLocale>

#include <vector>

namespace {

constexpr int kFuncionarios = 20000;
constexpr int kEstabelecimentos = 3;
constexpr int kCelulas = 200000;

// Peak resident memory in kB, from the kernel's record of the process.
double picoResidente()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0.0;
    for (const QByteArray& linha : status.readAll().split('\n')) {
        if (linha.startsWith("VmHWM:"))
            return linha.mid(6).trimmed().split(' ').first().toDouble();
    }
    return 0.0;
}

// The database is made on first use under DARVELO_BENCH_DIR (default
// /tmp/darvelo-bench), as generation_bench makes its own, and kept: making it
// takes far longer than the measures.
QString banco()
{
    static QString conexao;
    if (conexao.isEmpty()) {
        const QString dir = qEnvironmentVariable("DARVELO_BENCH_DIR", QStringLiteral("/tmp/darvelo-bench"));
        QDir().mkpath(dir);
        const QString caminho = QDir(dir).filePath(QStringLiteral("eventos-%1.sqlite").arg(kFuncionarios));
        if (!QFile::exists(caminho)) {
            host::DemoDataOptions opcoes;
            opcoes.empresas = 1;
            opcoes.estabelecimentos = kEstabelecimentos;
            opcoes.funcionarios = kFuncionarios;
            opcoes.periodos = 4;
            opcoes.eventosPorFuncionario = 25;
            opcoes.historicos = 1;
            // Made under another name, so that a program stopped half way
            // does not leave a partial database for the next one to trust.
            const QString parcial = caminho + QStringLiteral(".parcial");
            QFile::remove(parcial);
            host::DemoDataGenerator::criarSqlite(parcial, opcoes);
            if (!QFile::rename(parcial, caminho))
                qFatal("não foi possível guardar o banco em %s", qPrintable(caminho));
        }
        conexao = QStringLiteral("sqlite:") + caminho;
    }
    return conexao;
}

// A generation run's state: company 1, one period, a replication by
// establishment and employee, every cell of the sheet a payroll function,
// taken in turn from `funcoes`.
struct Execucao {
    spreadsheet::Workbook wb;
    payroll::TnFpaDMPlanilha dm;

    explicit Execucao(const std::vector<const char*>& funcoes)
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        catalog::RegistrarTodasFuncoes();
        host::TnDMSQLDataSet::Conectar(banco());
        spreadsheet::Sheet& folha = wb.addSheet();
        for (int i = 0; i < kCelulas; ++i) {
            const int func = 100 + (i / 2) % kFuncionarios;
            const int estab = 1 + (i / 2) % kEstabelecimentos;
            const char* funcao = funcoes[static_cast<std::size_t>(i) % funcoes.size()];
            folha.setText(i / 10, i % 10, QStringLiteral("=%1(100; %2; ; %3)").arg(QLatin1String(funcao)).arg(estab).arg(func));
        }
        dm.SetcxSpreadSheetBook(&wb);
        wb.setTag(&dm);
        dm.FCodigoEmpresa = 1;
        dm.FCodigoEmpresaBase = 1;
        dm.FEmpresas = QStringLiteral("1");
        dm.FPeriodoCalculo = QStringLiteral("1..4");
        dm.FEhMultiplosPeriodoCalculo = true;
        dm.FIndexFieldNames = QStringLiteral("CodigoEstab;CodigoFuncContr");
        dm.FIndiceQuebra = QStringList{QStringLiteral("CODIGOESTAB"), QStringLiteral("CODIGOFUNCCONTR")};
    }

    ~Execucao()
    {
        wb.setTag(nullptr);
        dm.DestruirCursores();
        host::TnDMSQLDataSet::Desconectar();
    }
};

// The first cell of a run: the event query, the dataset and its index.
void BM_PrimeiraAvaliacao(benchmark::State& state)
{
    banco();
    spreadsheet::Workbook wb;
    spreadsheet::Sheet& folha = wb.addSheet();
    payroll::TnFpaDMPlanilha dm;
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    catalog::RegistrarTodasFuncoes();
    host::TnDMSQLDataSet::Conectar(banco());
    dm.SetcxSpreadSheetBook(&wb);
    wb.setTag(&dm);
    dm.FCodigoEmpresa = 1;
    dm.FEmpresas = QStringLiteral("1");
    dm.FPeriodoCalculo = QStringLiteral("1..4");
    dm.FEhMultiplosPeriodoCalculo = true;
    dm.FIndexFieldNames = QStringLiteral("CodigoEstab;CodigoFuncContr");
    dm.FIndiceQuebra = QStringList{QStringLiteral("CODIGOESTAB"), QStringLiteral("CODIGOFUNCCONTR")};
    folha.setText(0, 0, QStringLiteral("=fpaEvValor(100; 1; ; 100)"));
    // Entering the formula already calculated it.
    dm.DestruirCursores();
    for (auto _ : state) {
        wb.calculate();
        state.PauseTiming();
        if (dm.curCalculoEvento) {
            dm.curCalculoEvento->CancelRange();
            state.counters["linhas"] = dm.curCalculoEvento->RecordCount();
        }
        dm.DestruirCursores();
        state.ResumeTiming();
    }
    state.counters["VmHWM_kB"] = picoResidente();
    wb.setTag(nullptr);
    host::TnDMSQLDataSet::Desconectar();
}
BENCHMARK(BM_PrimeiraAvaliacao)->Unit(benchmark::kMillisecond)->Iterations(1);

// Every cell again once the dataset, its index and the formatter's tables
// are in memory: values and bases in turn (0), values alone, which are
// read, ranged and written but not formatted (1), or bases alone (2).
void BM_CalculoCompleto(benchmark::State& state)
{
    static const std::vector<std::vector<const char*>> misturas{
        {"fpaEvValor", "fpaEvBase"}, {"fpaEvValor"}, {"fpaEvBase"}};
    Execucao execucao(misturas.at(static_cast<std::size_t>(state.range(0))));
    execucao.wb.calculate();
    for (auto _ : state)
        execucao.wb.calculate();
    state.counters["celulas"] = kCelulas;
    state.counters["celulas_por_s"] = benchmark::Counter(kCelulas, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["VmHWM_kB"] = picoResidente();
}
BENCHMARK(BM_CalculoCompleto)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
