// What the translator keeps, what it rewrites as text, and what it refuses.
#include "host/HostError.h"
#include "host/SqlTranslator.h"

#include <gtest/gtest.h>

#include "TestPrinters.h"

#include <QStringList>

namespace host {
namespace {

QString sqlite(const QString& text)
{
    return SqlTranslator::translate(text, SqlDialect::SQLite);
}

QString postgres(const QString& text)
{
    return SqlTranslator::translate(text, SqlDialect::PostgreSQL);
}

QString errorOf(const QString& text)
{
    try {
        sqlite(text);
    } catch (const HostError& error) {
        return error.message();
    }
    return {};
}

TEST(SqlTranslatorKeeps, TextWithNothingToTranslateByteForByte)
{
    const QStringList texts{
        QStringLiteral("  select  a ,b\n\tFROM \"T\" t -- {note}\n where x = 'it''s {x}' /* CAST(x AS DATE) */  "),
        QStringLiteral("SELECT CAST(case when a = 1 then 'Sim' end as VARCHAR(60)) v FROM t"),
        QStringLiteral("SELECT x::date, :pData FROM t WHERE %0:s"),
        QStringLiteral("SELECT 1 FROM t GROUP BY a HAVING COUNT(*) > 1"),
        QStringLiteral("SELECT a FROM t HAVING COUNT(*) > 1"),
        QStringLiteral("SELECT 1; SELECT 2"),
        QString(),
    };
    for (const QString& text : texts) {
        EXPECT_EQ(sqlite(text), text);
        EXPECT_EQ(postgres(text), text);
    }
}

TEST(SqlTranslatorKeeps, CastsAndHavingOnPostgreSQL)
{
    const QString text = QStringLiteral(
        "SELECT CAST(SUM(v) AS NUMERIC(18, 2)) FROM t WHERE EXISTS(SELECT 1 FROM u HAVING MAX(d) = CAST(t.d AS DATE))");
    EXPECT_EQ(postgres(text), text);
}

TEST(SqlTranslatorRewrites, CastsOnSQLite)
{
    EXPECT_EQ(sqlite(QStringLiteral("x = CAST( PC.COMPET  AS date )")), QStringLiteral("x = date(PC.COMPET)"));
    EXPECT_EQ(sqlite(QStringLiteral("CAST(SUM(COALESCE(P.AVOS,0)) AS NUMERIC(18, 2)) AVOS")),
              QStringLiteral("ROUND(SUM(COALESCE(P.AVOS,0)), 2) AVOS"));
    // A cast inside the operand of another one is translated too.
    EXPECT_EQ(sqlite(QStringLiteral("CAST(CAST(a AS DATE) AS NUMERIC(10,0))")), QStringLiteral("ROUND(date(a), 0)"));
    EXPECT_EQ(sqlite(QStringLiteral("CAST(x AS NUMERIC)")), QStringLiteral("CAST(x AS NUMERIC)"));
}

TEST(SqlTranslatorRewrites, OnlyTheConstantSelectListOfAHavingQuery)
{
    const QString text = QStringLiteral("EXISTS(SELECT 1              FROM F HAVING MAX(d) = 1)");
    EXPECT_EQ(sqlite(text), QStringLiteral("EXISTS(SELECT COALESCE(MAX(1), 1)              FROM F HAVING MAX(d) = 1)"));
    // The outer query has no HAVING of its own; the inner one has GROUP BY.
    const QString grouped =
        QStringLiteral("SELECT 1 FROM t WHERE EXISTS(SELECT 1 FROM u GROUP BY a HAVING MAX(b) = 1)");
    EXPECT_EQ(sqlite(grouped), grouped);
}

TEST(SqlTranslatorRewrites, TrailingSemicolonWithItsBlanks)
{
    EXPECT_EQ(sqlite(QStringLiteral("SELECT a FROM t ORDER BY a,     b;")),
              QStringLiteral("SELECT a FROM t ORDER BY a,     b"));
    EXPECT_EQ(postgres(QStringLiteral("SELECT 1  ; \n ")), QStringLiteral("SELECT 1"));
    EXPECT_EQ(postgres(QStringLiteral("SELECT 1 ")), QStringLiteral("SELECT 1 "));
}

TEST(SqlTranslatorRewrites, EscapesEverywhereLeavingTheRest)
{
    const QString text = QStringLiteral("SELECT  a,  {EXTRACT(DAY, d)}   AS dia FROM t  WHERE  b = 'x'");
    const QString translated = postgres(text);
    EXPECT_EQ(translated,
              QStringLiteral("SELECT  a,  CAST(EXTRACT(DAY FROM (d)) AS INTEGER)   AS dia FROM t  WHERE  b = 'x'"));
    EXPECT_FALSE(sqlite(text).contains(u'{'));
    EXPECT_TRUE(sqlite(text).startsWith(QStringLiteral("SELECT  a,  ")));
    EXPECT_TRUE(sqlite(text).endsWith(QStringLiteral("   AS dia FROM t  WHERE  b = 'x'")));
}

TEST(SqlTranslatorRewrites, FormatPlaceholdersInsideEscapesSurvive)
{
    for (const QString& translated : {sqlite(QStringLiteral("{TIMESTAMPADD(YEAR, %1:s, {EXTRACT(MONTH, %0:s)})}")),
                                      postgres(QStringLiteral("{TIMESTAMPADD(YEAR, %1:s, {EXTRACT(MONTH, %0:s)})}"))}) {
        EXPECT_TRUE(translated.contains(QStringLiteral("(%1:s)"))) << qPrintable(translated);
        EXPECT_TRUE(translated.contains(QStringLiteral("%0:s)"))) << qPrintable(translated);
    }
}

TEST(SqlTranslatorRefuses, UnknownOrMalformedEscapes)
{
    EXPECT_TRUE(errorOf(QStringLiteral("SELECT {CONVERT(x, DATE)}")).contains(QStringLiteral("CONVERT")));
    EXPECT_TRUE(errorOf(QStringLiteral("SELECT {TIMESTAMPADD(WEEK, 1, x)}")).contains(QStringLiteral("WEEK")));
    EXPECT_FALSE(errorOf(QStringLiteral("SELECT {TIMESTAMPADD(DAY, 1)}")).isEmpty());
    EXPECT_FALSE(errorOf(QStringLiteral("SELECT {TIMESTAMPADD(DAY, , x)}")).isEmpty());
    EXPECT_FALSE(errorOf(QStringLiteral("SELECT {EXTRACT(DAY, x) + 1}")).isEmpty());
    EXPECT_FALSE(errorOf(QStringLiteral("SELECT {}")).isEmpty());
}

TEST(SqlTranslatorRefuses, TextsThatDoNotClose)
{
    const QStringList texts{
        QStringLiteral("SELECT 'abc FROM t"), QStringLiteral("SELECT \"abc FROM t"),
        QStringLiteral("SELECT /* x"),        QStringLiteral("SELECT (a FROM t"),
        QStringLiteral("SELECT a) FROM t"),   QStringLiteral("SELECT {EXTRACT(DAY, x)"),
        QStringLiteral("SELECT (a})"),
    };
    for (const QString& text : texts) {
        EXPECT_TRUE(errorOf(text).startsWith(QStringLiteral("Texto SQL inválido"))) << qPrintable(text);
    }
}

TEST(SqlTranslatorRewrites, PositionalOrderOfTheStatementOnSqliteOnly)
{
    const QString text = QStringLiteral("SELECT a, b FROM t JOIN (SELECT a, MAX(d) d FROM u GROUP BY a) x ON x.a = t.a order by 1, 2 DESC ");
    EXPECT_EQ(sqlite(text), QStringLiteral("WITH darvelo_ordenado AS MATERIALIZED (SELECT a, b FROM t JOIN (SELECT a, MAX(d) d FROM u "
                                           "GROUP BY a) x ON x.a = t.a ) SELECT * FROM darvelo_ordenado order by 1, 2 DESC "));
    EXPECT_EQ(postgres(text), text);
    // Named orders, orders of a subquery, orders followed by more and
    // statements without a subquery stay.
    for (const QString& kept : {QStringLiteral("SELECT a FROM t ORDER BY t.a"), QStringLiteral("SELECT a FROM t ORDER BY 1 LIMIT 3"),
                                QStringLiteral("SELECT * FROM (SELECT a FROM t ORDER BY 1) x"),
                                QStringLiteral("SELECT a FROM t ORDER BY 1, a"),
                                QStringLiteral("SELECT a, b FROM t JOIN u ON u.a = t.a WHERE t.c IN (1, 2) ORDER BY 1, 2")})
        EXPECT_EQ(sqlite(kept), kept);
}

}  // namespace
}  // namespace host
