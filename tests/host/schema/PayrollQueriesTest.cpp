// Every query text of the payroll functions, translated for each database and
// completed the way the functions complete them, finds a fair number of rows
// in the demo database, and the same number on both databases.
#include "DemoDatabases.h"
#include "PostgresTestServer.h"
#include "SqlTestSupport.h"

#include "host/SqlTranslator.h"
#include "payroll/ConsultasFolha.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using host::SqlDialect;
using schema_test::Params;

// The run of the examples: companies 1 to 4, the periods of November 2023 to
// April 2024 (codes 1 to 6, February 2024 among them) and the competences of
// those months.
const QString kEmpresas = QStringLiteral(" BETWEEN 1 AND 4");
const QString kPeriodos = QStringLiteral(" BETWEEN 1 AND 6");
const QDate kCompetIni(2023, 11, 1);
const QDate kCompetFim(2024, 4, 30);
const QDate kReferencia(2024, 6, 30);

struct QueryCase {
    const char* nome;
    QString texto;
    QStringList argumentos;
    Params parametros;
    // The history queries are for one employee: they run for every employee
    // of company 1 and their rows are added up.
    bool porFuncionario = false;
};

QString empresas(const char* coluna, bool conjuncao = false)
{
    return (conjuncao ? QStringLiteral(" AND ") : QString()) + QLatin1String(coluna) + kEmpresas;
}

QString periodos(const char* coluna)
{
    return QStringLiteral(" AND ") + QLatin1String(coluna) + kPeriodos;
}

const std::vector<QueryCase>& queryCases()
{
    static const Params competencias = {{QStringLiteral(":pCompetIni"), kCompetIni},
                                        {QStringLiteral(":pCompetFim"), kCompetFim}};
    static const Params competenciasMaiusculas = {{QStringLiteral(":PCOMPETINI"), kCompetIni},
                                                  {QStringLiteral(":PCOMPETFIM"), kCompetFim}};
    static const Params historico = {{QStringLiteral(":pCodigoEmpresa"), 1},
                                     {QStringLiteral(":pDataInicial"), kReferencia}};
    static const Params empresa1 = {{QStringLiteral(":pCodigoEmpresa"), 1}};
    static const Params movimento = {{QStringLiteral(":PCODIGOEMPRESA"), 1}};
    static const std::vector<QueryCase> cases = {
        {"Funcionario", payroll::ConsultaCompleta(payroll::SqlFuncionario), {empresas("F.CodigoEmpresa") + periodos("FPC.CodigoPerCalculo")}, {}},
        {"EventoMascara", payroll::SqlEventoMascara, {}, {}},
        {"CalculoEvento",
         payroll::ConsultaCompleta(payroll::SqlCalculoEvento),
         {empresas("CE.CodigoEmpresa") + periodos("CE.CODIGOPERCALCULO")},
         {}},
        {"CalculoRateio",
         payroll::SqlCalculoRateio,
         {empresas("CR.CodigoEmpresa"), QString(), periodos("CR.CODIGOPERCALCULO")},
         {}},
        {"FuncTotais", payroll::SqlFuncTotais, {empresas("P.CodigoEmpresa"), periodos("P.CodigoPerCalculo")}, {}},
        {"Gps", payroll::SqlGps, {empresas("gps1.CodigoEmpresa")}, {{QStringLiteral(":DataInicial"), kReferencia}}},
        {"ImpostoCalculo",
         payroll::ConsultaCompleta(payroll::SqlImpostoCalculo),
         {empresas("I.CodigoEmpresa", true) + periodos("I.CodigoPerCalculo")},
         {}},
        {"HistCargo", payroll::SqlHistCargo, {}, historico, true},
        {"HistEscala", payroll::SqlHistEscala, {}, historico, true},
        {"HistSalario", payroll::SqlHistSalario, {}, historico, true},
        {"HistSindicato", payroll::SqlHistSindicato, {}, historico, true},
        {"ProvisaoFeriasAntiga", payroll::ConsultaCompleta(payroll::SqlProvisaoFeriasAntiga), {empresas("P.CodigoEmpresa", true)}, competencias},
        {"ProvisaoFeriasEmDias",
         payroll::ConsultaCompleta(payroll::SqlProvisaoFeriasEmDias),
         {empresas("P.CodigoEmpresa", true)},
         competenciasMaiusculas},
        {"Provisao13Sal", payroll::ConsultaCompleta(payroll::SqlProvisao13Sal), {empresas("P.CodigoEmpresa", true)}, competencias},
        {"ProvisaoFeriasRatAntiga",
         payroll::ConsultaCompleta(payroll::SqlProvisaoFeriasRatAntiga),
         {empresas("P.CodigoEmpresa", true)},
         competencias},
        {"ProvisaoFeriasRatEmDias",
         payroll::ConsultaCompleta(payroll::SqlProvisaoFeriasRatEmDias),
         {empresas("P.CodigoEmpresa", true)},
         competenciasMaiusculas},
        {"Provisao13SalRat", payroll::ConsultaCompleta(payroll::SqlProvisao13SalRat), {empresas("P.CodigoEmpresa", true)}, competencias},
        {"OutraEmpresa", payroll::SqlOutraEmpresa, {empresas("OEE.CodigoEmpresa", true)}, {}},
        {"Organograma", payroll::SqlOrganograma, {empresas("CodigoEmpresa"), QString()}, {}},
        {"TabelaAnuidade", payroll::SqlTabelaAnuidade, {}, {}},
        {"DadosContrato", payroll::SqlDadosContrato, {}, empresa1},
        {"Sindicato",
         payroll::SqlSindicato,
         {},
         {{QStringLiteral(":pCodigoEmpresa"), 1}, {QStringLiteral(":pData"), kReferencia}}},
        {"MovimentoRateio", payroll::ConsultaCompleta(payroll::SqlMovimentoRateio), {periodos("FPC.CODIGOPERCALCULO")}, movimento},
        {"Movimento", payroll::ConsultaCompleta(payroll::SqlMovimento), {periodos("FPC.CODIGOPERCALCULO")}, movimento},
    };
    return cases;
}

QString formatted(const QueryCase& c, SqlDialect dialect)
{
    QString text = host::SqlTranslator::translate(c.texto, dialect);
    for (int i = 0; i < c.argumentos.size(); ++i) {
        text.replace(QStringLiteral("%%1:s").arg(i), c.argumentos.at(i), Qt::CaseInsensitive);
    }
    return text;
}

Params bound(const Params& params, SqlDialect dialect)
{
    Params result;
    for (const auto& [name, value] : params) {
        const bool date = value.typeId() == QMetaType::QDate;
        result.emplace_back(name, date ? schema_test::dateParam(value.toDate(), dialect) : value);
    }
    return result;
}

qint64 rowCount(const QueryCase& c, SqlDialect dialect)
{
    const QString sql = formatted(c, dialect);
    QSqlDatabase db = DemoDatabases::database(dialect);
    if (!c.porFuncionario) {
        return static_cast<qint64>(schema_test::rows(db, sql, bound(c.parametros, dialect)).size());
    }
    qint64 total = 0;
    for (int i = 0; i < DemoDatabases::options().funcionarios; ++i) {
        Params params = bound(c.parametros, dialect);
        params.emplace_back(QStringLiteral(":pCodigoFuncContr"), 100 + i);
        total += static_cast<qint64>(schema_test::rows(db, sql, params).size());
    }
    return total;
}

class PayrollQueries : public ::testing::TestWithParam<std::tuple<SqlDialect, std::size_t>> {
protected:
    SqlDialect dialect() const { return std::get<0>(GetParam()); }
    const QueryCase& queryCase() const { return queryCases().at(std::get<1>(GetParam())); }
};

TEST_P(PayrollQueries, FindAtLeast24Rows)
{
    if (dialect() == SqlDialect::PostgreSQL) {
        DARVELO_REQUIRE_POSTGRES();
    }
    EXPECT_GE(rowCount(queryCase(), dialect()), 24);
}

INSTANTIATE_TEST_SUITE_P(AllQueries, PayrollQueries,
                         ::testing::Combine(::testing::Values(SqlDialect::SQLite, SqlDialect::PostgreSQL),
                                            ::testing::Range<std::size_t>(0, 24)),
                         [](const auto& info) {
                             return schema_test::dialectName(std::get<0>(info.param)).toStdString() + "_"
                                    + queryCases().at(std::get<1>(info.param)).nome;
                         });

TEST(PayrollQueriesOnBothDatabases, FindTheSameNumberOfRows)
{
    DARVELO_REQUIRE_POSTGRES();
    for (const QueryCase& c : queryCases()) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(rowCount(c, SqlDialect::SQLite), rowCount(c, SqlDialect::PostgreSQL));
    }
}

}  // namespace
