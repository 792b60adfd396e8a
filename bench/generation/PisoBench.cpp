// The sample payroll summary (resumo-folha) at payroll scale, from template
// to xlsx, against its query floor: the cheapest SQL that reads the same
// figures, timed on the same database right before the run. The counter
// "vezes o piso" is the run's time over the floor's.
//
// The database is the demo one of "darvelo exemplo --empresas 1
// --funcionarios N", made on first use under DARVELO_BENCH_DIR; or the one
// DARVELO_BENCH_BANCO names (sqlite:... or postgresql://...), already
// filled, for which only the first size given is run.
#include "host/ConnectionText.h"
#include "host/DemoDataGenerator.h"
#include "host/TnActionRegistry.h"
#include "host/TnDMPlanilha.h"
#include "host/ProgressoSilencioso.h"
#include "relatorio/BancoExemplo.h"
#include "relatorio/ExecucaoRelatorio.h"
#include "relatorio/GravacaoRelatorio.h"
#include "relatorio/ModelosExemplo.h"
#include "relatorio/SaidaRelatorio.h"
#include "relatorio/SessaoBanco.h"

#include <spreadsheet/Workbook.h>

#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <stdexcept>

namespace {

// What the summary shows per employee: establishment, name and admission;
// base, value and hours of event 100, value of event 35 and the hours of
// 35, 37 and 49; INSS base and value, FGTS and pay. Each query reads its
// table once, for the company and period.
const char* const kPiso[] = {
    "SELECT FP.CODIGOFUNCCONTR, FL.CODIGOESTAB, P.NOMEFUNC, C.DATAADM FROM FUNCPERCALCULO FP "
    "JOIN FUNCLOCAL FL ON FL.CODIGOEMPRESA = FP.CODIGOEMPRESA AND FL.CODIGOFUNCCONTR = FP.CODIGOFUNCCONTR "
    "AND FL.DATATRANSF = FP.DATALOCAL "
    "JOIN FUNCCONTRATO C ON C.CODIGOEMPRESA = FP.CODIGOEMPRESA AND C.CODIGOFUNCCONTR = FP.CODIGOFUNCCONTR "
    "JOIN FUNCPESSOA P ON P.CODIGOFUNCPESSOA = C.CODIGOFUNCPESSOA "
    "WHERE FP.CODIGOEMPRESA = ? AND FP.CODIGOPERCALCULO = ?",
    "SELECT CODIGOFUNCCONTR, SUM(CASE WHEN CODIGOEVENTO = 100 THEN BASEEVENTO END), "
    "SUM(CASE WHEN CODIGOEVENTO = 100 THEN VALOREVENTO END), "
    "SUM(CASE WHEN CODIGOEVENTO = 100 THEN REFEREVENTO END), "
    "SUM(CASE WHEN CODIGOEVENTO = 35 THEN VALOREVENTO END), "
    "SUM(CASE WHEN CODIGOEVENTO <> 100 THEN REFEREVENTO END) FROM CALCULOEVENTO "
    "WHERE CODIGOEMPRESA = ? AND CODIGOPERCALCULO = ? AND CODIGOEVENTO IN (100, 35, 37, 49) "
    "GROUP BY CODIGOFUNCCONTR",
    "SELECT CODIGOFUNCCONTR, CODIGOESTAB, SUM(BASEINSSFUNC), SUM(VALORINSS), SUM(VALORFGTSNORM), "
    "SUM(REMUNERACAO) FROM IMPOSTOCALCULO WHERE CODIGOEMPRESA = ? AND CODIGOPERCALCULO = ? "
    "GROUP BY CODIGOFUNCCONTR, CODIGOESTAB",
};

// Runs the floor's queries, reading every value as a client must.
double segundosDoPiso(const host::ConnectionText& texto, int empresa, int periodo)
{
    const exemplo::SessaoBanco conexao(texto);
    QElapsedTimer relogio;
    relogio.start();
    double soma = 0;
    for (const char* sql : kPiso) {
        QSqlQuery consulta(conexao.db());
        consulta.setForwardOnly(true);
        consulta.prepare(QString::fromLatin1(sql));
        consulta.addBindValue(empresa);
        consulta.addBindValue(periodo);
        if (!consulta.exec())
            throw std::runtime_error(consulta.lastError().text().toStdString());
        const int colunas = consulta.record().count();
        while (consulta.next())
            for (int c = 0; c < colunas; ++c)
                soma += consulta.value(c).toString().size();
    }
    benchmark::DoNotOptimize(soma);
    return double(relogio.nsecsElapsed()) / 1e9;
}

// The connection text of the benchmark's database, made when absent.
QString banco(int funcionarios)
{
    const QString dado = qEnvironmentVariable("DARVELO_BENCH_BANCO");
    if (!dado.isEmpty())
        return dado;
    const QString dir = qEnvironmentVariable("DARVELO_BENCH_DIR", QStringLiteral("/tmp/darvelo-bench"));
    QDir().mkpath(dir);
    const QString texto =
        QStringLiteral("sqlite:") + QDir(dir).filePath(QStringLiteral("exemplo-%1.sqlite").arg(funcionarios));
    const exemplo::BancoExemplo demo(texto);
    if (!demo.existe()) {
        host::DemoDataOptions opcoes;
        opcoes.empresas = 1;
        opcoes.funcionarios = funcionarios;
        demo.criar(opcoes);
    }
    return texto;
}

// One whole run as "darvelo gerar modelo -o relatorio.xlsx" makes it.
void gerar(const host::ConnectionText& conexao, const exemplo::ParametrosExemplo& parametros, const QString& saida)
{
    auto wb = exemplo::criarResumoFolha(parametros);
    auto modulo = host::TnActionRegistry::instance().criar(QStringLiteral("TnFpaDMPlanilha"));
    auto* dm = dynamic_cast<host::TnDMPlanilha*>(modulo.get());
    dm->SetProgresso(std::make_unique<host::ProgressoSilencioso>());
    relatorio::ExecucaoRelatorio execucao(*dm, *wb);
    if (!execucao.executar({conexao, {}, {}}))
        throw std::runtime_error("geração cancelada");
    const auto& paginas = execucao.paginas().paginas;
    relatorio::RelatorioGerado gerado{*wb, {}, {paginas.begin(), paginas.end()}, false, QStringLiteral("resumo")};
    relatorio::SaidaRelatorio arquivos;
    relatorio::GravacaoRelatorio::gravar(gerado, {{saida, relatorio::FormatoSaida::Xlsx}}, arquivos);
}

void BM_ResumoFolhaContraPiso(benchmark::State& state)
{
    static bool umBancoDado = false;
    if (umBancoDado && qEnvironmentVariableIsSet("DARVELO_BENCH_BANCO")) {
        state.SkipWithError("DARVELO_BENCH_BANCO dá um só tamanho");
        return;
    }
    umBancoDado = true;
    const QString texto = banco(int(state.range(0)));
    const host::ConnectionText conexao = host::ConnectionText::parse(texto);
    const exemplo::ParametrosExemplo parametros = exemplo::BancoExemplo(texto).parametros();
    const int empresa = QString(parametros.empresas).replace(QStringLiteral(".."), QStringLiteral(";")).section(QLatin1Char(';'), 0, 0).toInt();
    const int periodo = parametros.periodo.toInt();
    const QTemporaryDir pasta;
    double piso = 0;
    double execucao = 0;
    for (auto _ : state) {
        state.PauseTiming();
        piso += segundosDoPiso(conexao, empresa, periodo);
        state.ResumeTiming();
        QElapsedTimer relogio;
        relogio.start();
        gerar(conexao, parametros, pasta.filePath(QStringLiteral("resumo.xlsx")));
        execucao += double(relogio.nsecsElapsed()) / 1e9;
    }
    state.counters["s piso"] = piso / double(state.iterations());
    state.counters["vezes o piso"] = execucao / piso;
}
BENCHMARK(BM_ResumoFolhaContraPiso)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
