// Every query text of the payroll functions and of the run goes through
// PegarSQL and Format and runs on SQLite and on PostgreSQL; both must give
// the same typed rows, and enough of them that an empty answer cannot pass.

#include "DemoDatabases.h"

#include "host/DadosEmpresa.h"
#include "host/Format.h"
#include "host/InclusionList.h"
#include "host/QueryServices.h"
#include "host/TParams.h"
#include "host/TnClientDataSet.h"
#include "host/TnDMSQLDataSet.h"

#include <payroll/ConsultasFolha.h>

#include "ConsultasAnteriores.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>

#include <algorithm>
#include <functional>
#include <span>

using namespace host;

namespace {

const QString kEmpresas = QStringLiteral("1..4");
const QString kPeriodos = QStringLiteral("1..6");

QString filtro(const char* column, const QString& list, bool conjunction)
{
    return FilterInterval({QString::fromLatin1(column)}, list, {1}, 0, conjunction, 0);
}

struct QueryCase {
    const char* name;
    QString text;
    std::function<QStringList()> conditions;
    QVariantList values;
    int minimumRows = 24;
    std::function<TParams()> params = nullptr;  // named parameters, when given
};

QStringList none()
{
    return {};
}

std::vector<QueryCase> cases()
{
    const QDate competIni(2024, 1, 1);
    const QDateTime competFim(QDate(2024, 3, 31), QTime(23, 59, 59, 999));
    const QDateTime referencia(QDate(2024, 2, 29), QTime(23, 59, 59, 999));
    auto eventos = [] {
        return QStringList{filtro("CE.CodigoEmpresa", kEmpresas, false) + filtro("FL.CodigoEstab", {}, true)
                           + filtro("CE.CODIGOPERCALCULO", kPeriodos, true)
                           + filtro("CE.CodigoFuncContr", {}, true) + filtro("FLC.CodigoLocalCTB", {}, true)};
    };
    auto provisoes = [] {
        return QStringList{filtro("P.CodigoEmpresa", kEmpresas, true) + filtro("FL.CodigoEstab", {}, true)
                           + filtro("P.CodigoFuncContr", {}, true) + filtro("FLC.CodigoLocalCTB", {}, true)};
    };
    auto movimento = [] {
        return QStringList{filtro("FL.CodigoEstab", {}, true) + filtro("FPC.CODIGOPERCALCULO", kPeriodos, true)
                           + filtro("FPC.CodigoFuncContr", {}, true) + filtro("FLC.CodigoLocalCTB", {}, true)};
    };
    return {
        {"funcionario", payroll::ConsultaCompleta(payroll::SqlFuncionario),
         [] {
             return QStringList{filtro("F.CodigoEmpresa", kEmpresas, false) + filtro("FL.CodigoEstab", {}, true)
                                + filtro("FPC.CodigoPerCalculo", kPeriodos, true)
                                + filtro("F.CodigoFuncContr", {}, true) + filtro("FLC.CodigoLocalCTB", {}, true)};
         },
         {}},
        {"evento mascara", payroll::SqlEventoMascara, none, {}},
        {"calculo evento", payroll::ConsultaCompleta(payroll::SqlCalculoEvento), eventos, {}},
        {"calculo rateio", payroll::SqlCalculoRateio,
         [] {
             return QStringList{filtro("CR.CodigoEmpresa", kEmpresas, false), filtro("FL.CodigoEstab", {}, true),
                                filtro("CR.CODIGOPERCALCULO", kPeriodos, true)};
         },
         {}},
        {"totais", payroll::SqlFuncTotais,
         [] {
             return QStringList{filtro("P.CodigoEmpresa", kEmpresas, false),
                                filtro("P.CodigoPerCalculo", kPeriodos, true)};
         },
         {}},
        {"gps", payroll::SqlGps, [] { return QStringList{filtro("gps1.CodigoEmpresa", kEmpresas, false)}; },
         {referencia}},
        {"imposto calculo", payroll::ConsultaCompleta(payroll::SqlImpostoCalculo),
         [] {
             return QStringList{filtro("I.CodigoEmpresa", kEmpresas, true) + filtro("I.CodigoEstab", {}, true)
                                + filtro("I.CodigoPerCalculo", kPeriodos, true)};
         },
         {}},
        {"provisao ferias antiga", payroll::ConsultaCompleta(payroll::SqlProvisaoFeriasAntiga), provisoes, {competIni, competFim}},
        {"provisao ferias em dias", payroll::ConsultaCompleta(payroll::SqlProvisaoFeriasEmDias), provisoes, {competIni, competFim}},
        {"provisao 13", payroll::ConsultaCompleta(payroll::SqlProvisao13Sal), provisoes, {competIni, competFim}},
        {"provisao ferias rateio antiga", payroll::ConsultaCompleta(payroll::SqlProvisaoFeriasRatAntiga), provisoes, {competIni, competFim}},
        {"provisao ferias rateio em dias", payroll::ConsultaCompleta(payroll::SqlProvisaoFeriasRatEmDias), provisoes, {competIni, competFim}},
        {"provisao 13 rateio", payroll::ConsultaCompleta(payroll::SqlProvisao13SalRat), provisoes, {competIni, competFim}},
        {"outra empresa", payroll::SqlOutraEmpresa,
         [] { return QStringList{filtro("OEE.CodigoEmpresa", kEmpresas, true)}; }, {}},
        {"organograma", payroll::SqlOrganograma,
         [] {
             return QStringList{filtro("CodigoEmpresa", kEmpresas, false), filtro("CodigoEstab", {}, true)};
         },
         {}},
        {"anuidade", payroll::SqlTabelaAnuidade, none, {}},
        {"dados contrato", payroll::SqlDadosContrato, none, {1}},
        {"sindicato", payroll::SqlSindicato, none, {}, 24,
         [referencia] {
             TParams params;
             params.CreateParam(FieldType::Integer, QStringLiteral("pCodigoEmpresa")).valor = 1;
             params.CreateParam(FieldType::Integer, QStringLiteral("pCodigoFuncContr")).valor = 100;
             params.CreateParam(FieldType::Date, QStringLiteral("pData")).valor = referencia;
             return params;
         }},
        {"movimento rateio", payroll::ConsultaCompleta(payroll::SqlMovimentoRateio), movimento, {1, kPeriodos}},
        {"movimento", payroll::ConsultaCompleta(payroll::SqlMovimento), movimento, {1, kPeriodos}},
        {"dados empresa", SqlDadosEmpresa, none, {}, 8},
    };
}

// One row as text, with the field types, independent of the backend.
QString normalised(TnClientDataSet& data)
{
    QStringList fields;
    for (int i = 0; i < data.FieldCount(); ++i) {
        TnField& field = data.Fields(i);
        const QVariant value = field.Value();
        QString text;
        if (field.IsNull())
            text = QStringLiteral("null");
        else if (field.DataType() == FieldType::Float)
            text = QString::number(value.toDouble(), 'f', 4);
        else if (field.DataType() == FieldType::Date)
            text = value.toDate().toString(Qt::ISODate);
        else
            text = value.toString();
        fields << QString::number(int(field.DataType())) + QLatin1Char(':') + text;
    }
    return fields.join(QLatin1Char('|'));
}

QStringList rowsOf(TnClientDataSet& data)
{
    QStringList rows;
    for (data.First(); !data.Eof(); data.Next())
        rows << normalised(data);
    std::sort(rows.begin(), rows.end());
    return rows;
}

QStringList run(const TnDMSQLDataSet& services, const QueryCase& query)
{
    const QString text = Format(services.PegarSQL(query.text), query.conditions());
    auto data = query.params             ? services.ExecutarSQL(text, query.params())
                : query.values.isEmpty() ? services.ExecutarSQL(text)
                                         : services.ExecutarSQL(text, query.values);
    return rowsOf(*data);
}

// The history queries select one record per employee: they are run for
// every employee of company 1 by refreshing one dataset.
QStringList runHistory(const TnDMSQLDataSet& services, const char* queryText)
{
    const QDateTime referencia(QDate(2024, 2, 29), QTime(23, 59, 59, 999));
    auto employees = services.ExecutarSQL(
        QStringLiteral("SELECT CodigoFuncContr FROM FuncContrato WHERE CodigoEmpresa = 1 ORDER BY 1"));
    const QString text = services.PegarSQL(QString::fromUtf8(queryText));
    std::unique_ptr<TnClientDataSet> history;
    QStringList rows;
    for (employees->First(); !employees->Eof(); employees->Next()) {
        const QVariantList values{1, employees->Fields(0).AsInteger(), referencia};
        if (!history)
            history = services.ExecutarSQL(text, values);
        else
            RefreshSQL(*history, values);
        for (const QString& row : rowsOf(*history))
            rows << employees->Fields(0).AsString() + QLatin1Char('#') + row;
    }
    return rows;
}

}  // namespace

TEST(QueryTexts, EveryTextGivesTheSameTypedRowsOnBothDatabases)
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    auto& demo = host::testing::DemoDatabases::instance();
    TnDMSQLDataSet sqlite(ConnectionText::parse(demo.sqliteConnection()));
    const QString pg = demo.postgresConnection(QStringLiteral("darvelo_database_test"));
    std::unique_ptr<TnDMSQLDataSet> postgres;
    if (!pg.isEmpty())
        postgres = std::make_unique<TnDMSQLDataSet>(ConnectionText::parse(pg));
    else
        std::printf("PostgreSQL NOT TESTED: DARVELO_PG_TEST is not set; SQLite only.\n");

    for (const QueryCase& query : cases()) {
        SCOPED_TRACE(query.name);
        const QStringList rows = run(sqlite, query);
        EXPECT_GE(rows.size(), query.minimumRows);
        if (postgres)
            EXPECT_EQ(rows, run(*postgres, query));
    }
    for (const char* text : {payroll::SqlHistCargo, payroll::SqlHistEscala, payroll::SqlHistSalario,
                             payroll::SqlHistSindicato}) {
        SCOPED_TRACE(text);
        const QStringList rows = runHistory(sqlite, text);
        EXPECT_GE(rows.size(), 24);
        if (postgres)
            EXPECT_EQ(rows, runHistory(*postgres, text));
    }
}

namespace {

// The filters of a run that decide which joins a query needs.
struct FiltrosExecucao {
    const char* nome;
    QString filiais, funcionarios, locais, centros;
};

const FiltrosExecucao kFiltros[] = {
    {"sem filtros", {}, {}, {}, {}},
    {"local contabil", {}, {}, QStringLiteral("1..2"), {}},
    {"centro de custo", {}, {}, {}, QStringLiteral("10..20")},
    {"todos", QStringLiteral("1;3"), QStringLiteral("100..130"), QStringLiteral("2;4..5"), QStringLiteral("10;30")},
};

QString filtroEx(const char* column, const QString& list)
{
    return FilterInterval({QString::fromLatin1(column)}, list, {1}, 0, true, 0, 0);
}

// The conditions as the payroll functions and the run build them.
QString condicaoFuncionario(const FiltrosExecucao& f)
{
    return filtro("F.CodigoEmpresa", kEmpresas, false) + filtro("FL.CodigoEstab", f.filiais, true)
           + filtro("FPC.CodigoPerCalculo", kPeriodos, true) + filtroEx("F.CodigoFuncContr", f.funcionarios)
           + filtroEx("FLC.CodigoLocalCTB", f.locais);
}

QString condicaoEventos(const FiltrosExecucao& f)
{
    return filtro("CE.CodigoEmpresa", kEmpresas, false) + filtro("FL.CodigoEstab", f.filiais, true)
           + filtro("CE.CODIGOPERCALCULO", kPeriodos, true) + filtroEx("CE.CodigoFuncContr", f.funcionarios)
           + filtroEx("FLC.CodigoLocalCTB", f.locais);
}

QString condicaoImpostos(const FiltrosExecucao& f)
{
    return filtro("I.CodigoEmpresa", kEmpresas, true) + filtro("I.CodigoEstab", f.filiais, true)
           + filtro("I.CodigoPerCalculo", kPeriodos, true) + filtroEx("I.CodigoFuncContr", f.funcionarios)
           + filtroEx("I.CodigoCentroCusto", f.centros) + filtroEx("FLC.CodigoLocalCTB", f.locais);
}

QString condicaoProvisoes(const FiltrosExecucao& f)
{
    return filtro("P.CodigoEmpresa", kEmpresas, true) + filtro("FL.CodigoEstab", f.filiais, true)
           + filtroEx("P.CodigoFuncContr", f.funcionarios) + filtroEx("FLC.CodigoLocalCTB", f.locais);
}

QString condicaoProvisoesRateio(const FiltrosExecucao& f)
{
    return condicaoProvisoes(f) + filtroEx("P.CodigoCentroCusto", f.centros);
}

QString condicaoMovimento(const FiltrosExecucao& f)
{
    return filtro("FL.CodigoEstab", f.filiais, true) + filtro("FPC.CODIGOPERCALCULO", kPeriodos, true)
           + filtro("FPC.CodigoFuncContr", f.funcionarios, true) + filtroEx("FLC.CodigoLocalCTB", f.locais);
}

// Replication by other company or cost centre.
QString condicaoMovimentoRateio(const FiltrosExecucao& f)
{
    return condicaoMovimento(f) + filtro("CR.CODIGOCENTROCUSTO", f.centros, true);
}

struct ConsultaComposta {
    const char* nome;
    const char* anterior;
    std::span<const payroll::ParteConsulta> partes;
    QString (*condicao)(const FiltrosExecucao&);
    QVariantList valores;
    // The movement takes its filter after translation, as the run does.
    bool movimento = false;
    // A table no filter of the query needs.
    const char* dispensada = nullptr;
};

std::vector<ConsultaComposta> consultasCompostas()
{
    namespace antes = consultas_anteriores;
    const QVariantList competencias{QDate(2024, 1, 1), QDateTime(QDate(2024, 3, 31), QTime(23, 59, 59, 999))};
    return {
        {"funcionario", antes::SqlFuncionario, payroll::SqlFuncionario, condicaoFuncionario, {}},
        {"calculo evento", antes::SqlCalculoEvento, payroll::SqlCalculoEvento, condicaoEventos, {}},
        {"imposto calculo", antes::SqlImpostoCalculo, payroll::SqlImpostoCalculo, condicaoImpostos, {}},
        {"provisao ferias antiga", antes::SqlProvisaoFeriasAntiga, payroll::SqlProvisaoFeriasAntiga, condicaoProvisoes,
         competencias},
        {"provisao ferias em dias", antes::SqlProvisaoFeriasEmDias, payroll::SqlProvisaoFeriasEmDias,
         condicaoProvisoes, competencias},
        {"provisao 13", antes::SqlProvisao13Sal, payroll::SqlProvisao13Sal, condicaoProvisoes, competencias},
        {"provisao ferias rateio antiga", antes::SqlProvisaoFeriasRatAntiga, payroll::SqlProvisaoFeriasRatAntiga,
         condicaoProvisoesRateio, competencias},
        {"provisao ferias rateio em dias", antes::SqlProvisaoFeriasRatEmDias, payroll::SqlProvisaoFeriasRatEmDias,
         condicaoProvisoesRateio, competencias},
        {"provisao 13 rateio", antes::SqlProvisao13SalRat, payroll::SqlProvisao13SalRat, condicaoProvisoesRateio,
         competencias},
        {"movimento rateio", antes::SqlMovimentoRateio, payroll::SqlMovimentoRateio, condicaoMovimentoRateio, {1},
         true},
        {"movimento", antes::SqlMovimento, payroll::SqlMovimento, condicaoMovimento, {1}, true, "CALCULOEVENTO"},
    };
}

QString texto(const TnDMSQLDataSet& services, const ConsultaComposta& consulta, const QString& bruto,
              const QString& condicao)
{
    const QString traduzido = services.PegarSQL(bruto);
    return consulta.movimento ? QString(traduzido).replace(QStringLiteral("%0:S"), condicao)
                              : Format(traduzido, {condicao});
}

QStringList linhas(const TnDMSQLDataSet& services, const QString& sql, const QVariantList& valores)
{
    auto data = valores.isEmpty() ? services.ExecutarSQL(sql) : services.ExecutarSQL(sql, valores);
    return rowsOf(*data);
}

}  // namespace

TEST(QueryTexts, ComposedTextsGiveTheRowsOfTheFullTextsForEveryFilter)
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    auto& demo = host::testing::DemoDatabases::instance();
    TnDMSQLDataSet sqlite(ConnectionText::parse(demo.sqliteConnection()));
    const QString pg = demo.postgresConnection(QStringLiteral("darvelo_database_test"));
    std::unique_ptr<TnDMSQLDataSet> postgres;
    if (!pg.isEmpty())
        postgres = std::make_unique<TnDMSQLDataSet>(ConnectionText::parse(pg));

    for (const ConsultaComposta& consulta : consultasCompostas()) {
        for (const FiltrosExecucao& filtros : kFiltros) {
            SCOPED_TRACE(std::string(consulta.nome) + " / " + filtros.nome);
            const QString condicao = consulta.condicao(filtros);
            const QString composta = payroll::ComporConsulta(consulta.partes, condicao);
            EXPECT_EQ(composta.contains(QStringLiteral("FUNCLOCALCTB FLC"), Qt::CaseInsensitive),
                      !filtros.locais.isEmpty());
            if (consulta.dispensada) {
                EXPECT_FALSE(composta.contains(QLatin1String(consulta.dispensada), Qt::CaseInsensitive));
            }

            const QStringList referencia =
                linhas(sqlite, texto(sqlite, consulta, QString::fromUtf8(consulta.anterior), condicao), consulta.valores);
            EXPECT_FALSE(referencia.isEmpty());
            EXPECT_EQ(linhas(sqlite, texto(sqlite, consulta, composta, condicao), consulta.valores), referencia);
            if (postgres) {
                EXPECT_EQ(linhas(*postgres, texto(*postgres, consulta, composta, condicao), consulta.valores),
                          referencia);
            }
        }
    }
}
