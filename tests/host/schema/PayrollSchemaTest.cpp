#include "DemoDatabases.h"
#include "PayrollQueryList.h"
#include "PostgresTestServer.h"
#include "SchemaCatalogue.h"
#include "SqlTestSupport.h"
#include "TestDatabase.h"

#include "host/PayrollSchema.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

#include <map>

namespace {

using host::FieldType;
using host::PayrollSchema;
using host::SqlDialect;

std::set<QString> matches(const QString& pattern, int group)
{
    std::set<QString> found;
    const QRegularExpression expression(pattern, QRegularExpression::CaseInsensitiveOption);
    for (const host::testing::PayrollQuery& query : host::testing::payrollQueries()) {
        for (const QRegularExpressionMatch& match : expression.globalMatch(query.text)) {
            found.insert(match.captured(group).toUpper());
        }
    }
    return found;
}

TEST(PayrollSchemaCatalogue, HasEveryTableTheQueriesRead)
{
    const std::set<QString> tables = matches(QStringLiteral(R"(\b(?:FROM|JOIN)\s+([A-Z_][A-Z0-9_]*))"), 1);
    ASSERT_GE(tables.size(), 30u);
    const QStringList known = PayrollSchema::tableNames();
    for (const QString& table : tables) {
        EXPECT_TRUE(known.contains(table)) << table.toStdString();
    }
}

TEST(PayrollSchemaCatalogue, HasEveryQualifiedColumnTheQueriesRead)
{
    const std::set<QString> columns = matches(QStringLiteral(R"(\b[A-Z][A-Z0-9]*\.([A-Z][A-Z0-9_]*))"), 1);
    ASSERT_GE(columns.size(), 200u);
    // A column a query makes itself from an aggregate of a table's column.
    const std::set<QString> derived = matches(QStringLiteral(R"(\b(?:MIN|MAX)\([^()]*\)\s+([A-Z][A-Z0-9_]*))"), 1);
    for (const QString& column : columns) {
        EXPECT_TRUE(derived.count(column) || PayrollSchema::columnType(column).has_value()) << column.toStdString();
    }
}

// The database layer types a result column by its name, so a name must mean
// one type wherever it appears.
TEST(PayrollSchemaCatalogue, GivesEachColumnNameOneTypeInEveryTable)
{
    std::map<QString, std::pair<FieldType, QString>> seen;
    for (const host::schema::TableSpec& table : host::schema::tables()) {
        for (const host::schema::ColumnSpec& column : table.columns) {
            const FieldType type = host::schema::fieldType(column.kind);
            const auto [it, inserted] =
                seen.emplace(QLatin1String(column.name), std::pair{type, QLatin1String(table.name)});
            EXPECT_TRUE(inserted || it->second.first == type)
                << column.name << " in " << table.name << " and " << it->second.second.toStdString();
        }
    }
}

TEST(PayrollSchemaCatalogue, KeysAndIndexesNameColumnsOfTheirTables)
{
    for (const host::schema::TableSpec& table : host::schema::tables()) {
        EXPECT_LE(table.keyColumns, static_cast<int>(table.columns.size())) << table.name;
        EXPECT_TRUE(table.keyColumns > 0 || QLatin1String(table.name) == QLatin1String("OPCAOSISTEMA")) << table.name;
    }
    for (const host::schema::IndexSpec& index : host::schema::indexes()) {
        const host::schema::TableSpec* table = host::schema::findTable(QLatin1String(index.table));
        ASSERT_NE(table, nullptr) << index.name;
        for (const QString& column : QString::fromLatin1(index.columns).split(QStringLiteral(", "))) {
            EXPECT_GE(host::schema::columnIndex(*table, column), 0) << index.name << " " << column.toStdString();
        }
    }
}

TEST(PayrollSchemaCatalogue, FindsColumnTypesIgnoringCase)
{
    EXPECT_EQ(PayrollSchema::columnType(QStringLiteral("DataAdm")), FieldType::Date);
    EXPECT_EQ(PayrollSchema::columnType(QStringLiteral("valorevento")), FieldType::Float);
    EXPECT_EQ(PayrollSchema::columnType(QStringLiteral("CodigoFuncContr")), FieldType::Integer);
    EXPECT_EQ(PayrollSchema::columnType(QStringLiteral("ClassifOrgan")), FieldType::Text);
    EXPECT_FALSE(PayrollSchema::columnType(QStringLiteral("LogradFunc")).has_value());
    EXPECT_TRUE(PayrollSchema::columnNames(QStringLiteral("NAOEXISTE")).isEmpty());
    EXPECT_EQ(PayrollSchema::columnNames(QStringLiteral("evento")).first(), QStringLiteral("CODIGOEVENTO"));
}

// The DDL alone, in an empty database of each kind: every table and column
// is created with its declared type.
std::map<QString, QStringList> sqliteColumns(QSqlDatabase db)
{
    std::map<QString, QStringList> result;
    for (const QString& table : PayrollSchema::tableNames()) {
        for (const QVariantList& row : schema_test::rows(db, QStringLiteral("PRAGMA table_info(%1)").arg(table))) {
            result[table] << row.at(1).toString().toUpper() + QLatin1Char(' ') + row.at(2).toString();
        }
    }
    return result;
}

std::map<QString, QStringList> postgresColumns(QSqlDatabase db)
{
    std::map<QString, QStringList> result;
    const QString sql = QStringLiteral(
        "SELECT UPPER(table_name), UPPER(column_name), data_type, character_maximum_length, numeric_precision, "
        "numeric_scale FROM information_schema.columns WHERE table_schema = 'ddl_check' ORDER BY table_name, "
        "ordinal_position");
    for (const QVariantList& row : schema_test::rows(db, sql)) {
        QString type = row.at(2).toString().toUpper();
        if (type == QLatin1String("CHARACTER VARYING")) {
            type = QStringLiteral("VARCHAR(%1)").arg(row.at(3).toInt());
        } else if (type == QLatin1String("CHARACTER")) {
            type = QStringLiteral("CHAR(%1)").arg(row.at(3).toInt());
        } else if (type == QLatin1String("NUMERIC")) {
            type = QStringLiteral("NUMERIC(%1, %2)").arg(row.at(4).toInt()).arg(row.at(5).toInt());
        }
        result[row.at(0).toString()] << row.at(1).toString() + QLatin1Char(' ') + type;
    }
    return result;
}

std::map<QString, QStringList> catalogueColumns()
{
    std::map<QString, QStringList> result;
    for (const host::schema::TableSpec& table : host::schema::tables()) {
        for (const host::schema::ColumnSpec& column : table.columns) {
            result[QLatin1String(table.name)]
                << QLatin1String(column.name) + QLatin1Char(' ') + host::schema::sqlType(column);
        }
    }
    return result;
}

void runDdl(QSqlDatabase db, SqlDialect dialect)
{
    for (const QString& statement : PayrollSchema::ddl(dialect).split(QStringLiteral(";\n"))) {
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec(statement)) << query.lastError().text().toStdString() << "\n" << statement.toStdString();
    }
}

TEST(PayrollSchemaDdlSqlite, CreatesEveryColumnWithItsType)
{
    const auto connection = host::testing::TestDatabase::open(SqlDialect::SQLite);
    runDdl(connection->database(), SqlDialect::SQLite);
    EXPECT_EQ(sqliteColumns(connection->database()), catalogueColumns());
}

TEST(PayrollSchemaDdlSqlite, AcceptsOnlyIsoDatesInDateColumns)
{
    const auto connection = host::testing::TestDatabase::open(SqlDialect::SQLite);
    runDdl(connection->database(), SqlDialect::SQLite);
    int contrato = 100;
    const auto insert = [&](const QVariant& dataDem) {
        QSqlQuery query(connection->database());
        query.prepare(QStringLiteral("INSERT INTO FUNCCONTRATO VALUES (1, ?, 1, 1, '2024-02-29', ?)"));
        query.addBindValue(contrato++);
        query.addBindValue(dataDem);
        return query.exec();
    };
    EXPECT_TRUE(insert(QStringLiteral("2024-12-31")));
    EXPECT_TRUE(insert(QVariant()));
    EXPECT_FALSE(insert(QStringLiteral("2024-12-31T00:00:00.000")));
    EXPECT_FALSE(insert(QStringLiteral("31/12/2024")));
}

TEST(PayrollSchemaDdlPostgres, CreatesEveryColumnWithItsTypeAndEveryKey)
{
    DARVELO_REQUIRE_POSTGRES();
    // In the schema tests' own database, under its lock.
    schema_test::demo(SqlDialect::PostgreSQL);
    const auto connection =
        host::testing::TestDatabase::open(SqlDialect::PostgreSQL, QLatin1String(schema_test::kDemoPostgres));
    QSqlDatabase db = connection->database();
    QSqlQuery(db).exec(QStringLiteral("SET client_min_messages TO WARNING"));
    QSqlQuery(db).exec(QStringLiteral("DROP SCHEMA IF EXISTS ddl_check CASCADE"));
    ASSERT_TRUE(QSqlQuery(db).exec(QStringLiteral("CREATE SCHEMA ddl_check")));
    ASSERT_TRUE(QSqlQuery(db).exec(QStringLiteral("SET search_path TO ddl_check")));
    runDdl(db, SqlDialect::PostgreSQL);
    EXPECT_EQ(postgresColumns(db), catalogueColumns());
    const qint64 keys =
        schema_test::count(db, QStringLiteral("SELECT COUNT(*) FROM information_schema.table_constraints "
                                              "WHERE table_schema = 'ddl_check' AND constraint_type = 'PRIMARY KEY'"));
    EXPECT_EQ(keys, PayrollSchema::tableNames().size() - 1);
    QSqlQuery(db).exec(QStringLiteral("DROP SCHEMA ddl_check CASCADE"));
}

}  // namespace
