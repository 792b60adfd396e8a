// Rows read straight through libpq must load as through Qt's driver: the
// same field types, the same values, the same nulls.

#include "PgReader.h"
#include "QueryLoader.h"

#include "PostgresTestServer.h"

#include "host/SqlParameters.h"
#include "host/TnClientDataSet.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>

#include <libpq-fe.h>

using namespace host;

namespace {

// Each value with its type, so that 1 and 1.0, or NaN and NaN, compare as
// the dataset holds them.
QStringList rowsOf(TnClientDataSet& data)
{
    QStringList rows;
    QString fields;
    for (int f = 0; f < data.FieldCount(); ++f)
        fields += data.Fields(f).FieldName() + u':' + QString::number(int(data.Fields(f).DataType())) + u' ';
    rows << fields;
    for (data.First(); !data.Eof(); data.Next()) {
        QString row;
        for (int f = 0; f < data.FieldCount(); ++f) {
            const QVariant value = data.Fields(f).Value();
            row += data.Fields(f).IsNull() ? QStringLiteral("null") : QString::fromLatin1(value.typeName()) + u'=' + value.toString();
            row += u'|';
        }
        rows << row;
    }
    return rows;
}

class PgReaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DARVELO_REQUIRE_POSTGRES();
        db = host::testing::postgresSession(QStringLiteral("pg-reader"));
        connection = PgReader::handle(db);
        ASSERT_NE(connection, nullptr);
    }
    void TearDown() override
    {
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("pg-reader"));
    }

    std::unique_ptr<TnClientDataSet> direct(const QString& sql, const std::vector<QVariant>& values)
    {
        const SqlParameters parsed = SqlParameters::parse(sql);
        return PgReader::load(connection, values.empty() ? sql : parsed.numberedText(), values, nullptr);
    }

    std::unique_ptr<TnClientDataSet> throughQt(const QString& sql, const std::vector<QVariant>& values)
    {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
        EXPECT_TRUE(query.prepare(SqlParameters::parse(sql).positionalText()));
        for (const QVariant& value : values)
            query.addBindValue(value);
        EXPECT_TRUE(query.exec()) << query.lastError().text().toStdString();
        return QueryLoader::load(query, nullptr);
    }

    QSqlDatabase db;
    PGconn* connection = nullptr;
};

TEST_F(PgReaderTest, LoadsAsQtsDriverDoes)
{
    const QVariant nullText(QMetaType(QMetaType::QString));
    const struct {
        const char* rule;
        QString sql;
        std::vector<QVariant> values;
    } cases[] = {
        {"types, with nulls first so that a later row decides",
         QStringLiteral("SELECT * FROM (VALUES (NULL::int2, NULL::int4, NULL::int8, NULL::float4, NULL::float8, "
                        "NULL::numeric, NULL::text, NULL::char(5), NULL::date, NULL::timestamp, NULL::bool), "
                        "(1::int2, -2, 9007199254740993, 0.1::float4, 1e-300, 2.50, 'ação', 'ab', DATE '2024-02-29', "
                        "TIMESTAMP '2024-05-31 10:20:30', true), "
                        "(NULL, 3, NULL, NULL, 'NaN', 'Infinity', '', NULL, DATE '0001-01-01', NULL, false)) "
                        "AS t(a, b, c, d, e, f, g, h, i, j, k)"),
         {}},
        {"the schema's types for its column names",
         QStringLiteral("SELECT SUM(x) AS CODIGOEMPRESA, '2024-05-31'::text AS DATAOPCAO, 7 AS SINDICALIZADO, "
                        "'12.5'::varchar AS DESCMENSSIND FROM generate_series(1, 3) x"),
         {}},
        {"parameters take their types from where they stand",
         QStringLiteral("SELECT :i + 1 AS a, :f * 2.0 AS b, CAST(:d AS date) + 1 AS c, :t || '!' AS d, CAST(:n AS int) AS e "
                        "WHERE DATE '2024-06-01' > :d AND :t <> ''"),
         {QVariant(qlonglong(41)), QVariant(1.25), QVariant(QDate(2024, 5, 31)), QVariant(QStringLiteral("sim")),
          nullText, QVariant(QDate(2024, 5, 31)), QVariant(QStringLiteral("sim"))}},
        {"an empty answer keeps its columns", QStringLiteral("SELECT 1 AS a, 'x'::text AS b WHERE false"), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        auto viaQt = throughQt(c.sql, c.values);
        auto viaLibpq = direct(c.sql, c.values);
        EXPECT_EQ(rowsOf(*viaLibpq), rowsOf(*viaQt));
    }
}

// A failure, before the first row or after some rows were sent, is the
// server's, and leaves the session ready for the next query.
TEST_F(PgReaderTest, FailuresKeepTheSessionUsable)
{
    const struct {
        QString sql;
        QString state;
    } cases[] = {
        {QStringLiteral("SELEC 1"), QStringLiteral("42601")},
        {QStringLiteral("SELECT 10 / (3 - x) FROM generate_series(1, 5000) x"), QStringLiteral("22012")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sql.toStdString());
        try {
            direct(c.sql, {});
            ADD_FAILURE() << "no failure";
        } catch (const PgReader::Error& error) {
            EXPECT_EQ(error.state, c.state);
            EXPECT_FALSE(error.lost);
        }
        auto next = direct(QStringLiteral("SELECT 5 AS a"), {});
        EXPECT_EQ(next->Fields(0).Value(), QVariant(qint64(5)));
    }
}

}  // namespace
