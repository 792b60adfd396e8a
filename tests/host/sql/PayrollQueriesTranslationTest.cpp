// Every payroll query text translated for both databases: nothing of the
// neutral syntax is left, the result still formats and parses, and the
// database finds no syntax error in it (the payroll tables themselves do not
// exist here, so the database may only miss a table or a column).
#include "TestDatabase.h"

#include "PostgresTestServer.h"

#include "host/Format.h"
#include "host/InclusionList.h"
#include "host/SqlParameters.h"
#include "host/SqlTranslator.h"

#include "payroll/ConsultasFolha.h"

#include <gtest/gtest.h>

#include "TestPrinters.h"

namespace host {
namespace {

struct PayrollQuery {
    const char* name;
    QString text;
    // How each "%n:s" is filled: the first condition of a WHERE, or one appended to others.
    std::vector<bool> appended;
};

const std::vector<PayrollQuery>& payrollQueries()
{
    using namespace payroll;
    static const std::vector<PayrollQuery> queries{
        {"SqlFuncionario", ConsultaCompleta(SqlFuncionario), {false}},
        {"SqlEventoMascara", SqlEventoMascara, {}},
        {"SqlCalculoEvento", ConsultaCompleta(SqlCalculoEvento), {false}},
        {"SqlCalculoRateio", SqlCalculoRateio, {false, true, true}},
        {"SqlFuncTotais", SqlFuncTotais, {false, true}},
        {"SqlGps", SqlGps, {false}},
        {"SqlImpostoCalculo", ConsultaCompleta(SqlImpostoCalculo), {true}},
        {"SqlHistCargo", SqlHistCargo, {}},
        {"SqlHistEscala", SqlHistEscala, {}},
        {"SqlHistSalario", SqlHistSalario, {}},
        {"SqlHistSindicato", SqlHistSindicato, {}},
        {"SqlProvisaoFeriasAntiga", ConsultaCompleta(SqlProvisaoFeriasAntiga), {true}},
        {"SqlProvisaoFeriasEmDias", ConsultaCompleta(SqlProvisaoFeriasEmDias), {true}},
        {"SqlProvisao13Sal", ConsultaCompleta(SqlProvisao13Sal), {true}},
        {"SqlProvisaoFeriasRatAntiga", ConsultaCompleta(SqlProvisaoFeriasRatAntiga), {true}},
        {"SqlProvisaoFeriasRatEmDias", ConsultaCompleta(SqlProvisaoFeriasRatEmDias), {true}},
        {"SqlProvisao13SalRat", ConsultaCompleta(SqlProvisao13SalRat), {true}},
        {"SqlOutraEmpresa", SqlOutraEmpresa, {true}},
        {"SqlOrganograma", SqlOrganograma, {false, true}},
        {"SqlTabelaAnuidade", SqlTabelaAnuidade, {}},
        {"SqlDadosContrato", SqlDadosContrato, {}},
        {"SqlSindicato", SqlSindicato, {}},
        {"SqlMovimentoRateio", ConsultaCompleta(SqlMovimentoRateio), {true}},
        {"SqlMovimento", ConsultaCompleta(SqlMovimento), {true}},
    };
    return queries;
}

// The query as the payroll functions run it: translated, then formatted
// with inclusion-list conditions.
QString runnableText(const PayrollQuery& query, SqlDialect dialect)
{
    QStringList conditions;
    for (bool appended : query.appended) {
        conditions.append(
            FilterInterval({QStringLiteral("CodigoEmpresa")}, QStringLiteral("1;3..5"), {1}, 0, appended));
    }
    return Format(SqlTranslator::translate(query.text, dialect), conditions);
}

int parenthesisBalance(const QString& text)
{
    int depth = 0;
    for (QChar c : text) {
        depth += c == u'(' ? 1 : c == u')' ? -1 : 0;
        if (depth < 0) {
            return depth;
        }
    }
    return depth;
}

class PayrollQueries : public ::testing::TestWithParam<SqlDialect> {};

TEST_P(PayrollQueries, TranslateToPlainSql)
{
    for (const PayrollQuery& query : payrollQueries()) {
        SCOPED_TRACE(query.name);
        const QString original = query.text;
        const QString text = runnableText(query, GetParam());
        EXPECT_FALSE(text.contains(u'{') || text.contains(u'}'));
        EXPECT_FALSE(text.contains(u'%'));
        EXPECT_FALSE(text.trimmed().endsWith(u';'));
        EXPECT_EQ(parenthesisBalance(text), 0);
        EXPECT_EQ(SqlParameters::parse(text).names(), SqlParameters::parse(original).names());
        if (GetParam() == SqlDialect::SQLite) {
            EXPECT_FALSE(text.contains(QStringLiteral(" AS DATE)"), Qt::CaseInsensitive));
            EXPECT_FALSE(text.contains(QStringLiteral("AS NUMERIC("), Qt::CaseInsensitive));
            EXPECT_FALSE(text.contains(QStringLiteral("SELECT 1 ")));
        } else {
            EXPECT_EQ(text.count(QStringLiteral("AS NUMERIC(")), original.count(QStringLiteral("AS NUMERIC(")));
        }
    }
}

bool isOnlyAMissingName(const QString& error, const QString& code, SqlDialect dialect)
{
    if (dialect == SqlDialect::SQLite) {
        return error.contains(QStringLiteral("no such table")) || error.contains(QStringLiteral("no such column"));
    }
    // undefined_table, undefined_column
    return code == QStringLiteral("42P01") || code == QStringLiteral("42703");
}

TEST_P(PayrollQueries, HaveNoSyntaxErrorForTheDatabase)
{
    if (GetParam() == SqlDialect::PostgreSQL) {
        DARVELO_REQUIRE_POSTGRES();
    }
    const auto db = testing::TestDatabase::open(GetParam());
    for (const PayrollQuery& query : payrollQueries()) {
        const QString text = SqlParameters::parse(runnableText(query, GetParam())).positionalText();
        QString code;
        const QString error = db->prepareError(text, &code);
        EXPECT_TRUE(error.isEmpty() || isOnlyAMissingName(error, code, GetParam()))
            << query.name << ": " << qPrintable(error) << "\n"
            << qPrintable(text);
    }
}

INSTANTIATE_TEST_SUITE_P(Dialects, PayrollQueries, ::testing::Values(SqlDialect::SQLite, SqlDialect::PostgreSQL),
                         [](const auto& info) {
                             return std::string(info.param == SqlDialect::SQLite ? "SQLite" : "PostgreSQL");
                         });

}  // namespace
}  // namespace host
