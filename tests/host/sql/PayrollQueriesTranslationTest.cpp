// Every payroll query text translated for both databases: nothing of the
// neutral syntax is left and the result still formats and parses. (That the
// databases run them is the query-text test's, on the demo database.)
#include "PayrollQueryList.h"
#include "PostgresTestServer.h"

#include "host/Format.h"
#include "host/InclusionList.h"
#include "host/SqlParameters.h"
#include "host/SqlTranslator.h"

#include <gtest/gtest.h>

#include "TestPrinters.h"

namespace host {
namespace {

// The query as the payroll functions run it: translated, then formatted
// with inclusion-list conditions.
QString runnableText(const testing::PayrollQuery& query, SqlDialect dialect)
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
    for (const testing::PayrollQuery& query : testing::payrollQueries()) {
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

DARVELO_INSTANTIATE_DIALECTS(PayrollQueries);

}  // namespace
}  // namespace host
