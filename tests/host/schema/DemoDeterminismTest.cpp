#include "DemoDatabases.h"
#include "SqlTestSupport.h"
#include "TestDatabase.h"

#include "host/DemoDataGenerator.h"
#include "host/HostError.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

using host::DemoDataGenerator;
using host::DemoDataOptions;
using host::SqlDialect;

QString demoChecksum(SqlDialect dialect)
{
    return schema_test::checksum(schema_test::demo(dialect));
}

QString checksumOf(const DemoDataOptions& options)
{
    const auto connection = host::testing::TestDatabase::open(SqlDialect::SQLite);
    QSqlDatabase db = connection->database();
    DemoDataGenerator::gerar(db, SqlDialect::SQLite, options);
    return schema_test::checksum(db);
}

TEST(DemoDataDeterminism, SameSeedGivesTheSameRows)
{
    EXPECT_EQ(checksumOf(host::testing::DemoDatabases::options()), demoChecksum(SqlDialect::SQLite));
}

TEST(DemoDataDeterminism, AnotherSeedGivesOtherRows)
{
    DemoDataOptions other = host::testing::DemoDatabases::options();
    other.seed += 1;
    EXPECT_NE(checksumOf(other), demoChecksum(SqlDialect::SQLite));
}

TEST(DemoDataDeterminism, BothDatabasesHoldTheSameRows)
{
    DARVELO_REQUIRE_POSTGRES();
    EXPECT_EQ(demoChecksum(SqlDialect::PostgreSQL), demoChecksum(SqlDialect::SQLite));
}

// A second run on the same database replaces the tables of the first.
TEST(DemoDataGeneration, ReplacesTheTablesOfAnEarlierRun)
{
    DemoDataOptions small;
    small.empresas = 1;
    small.funcionarios = 5;
    small.periodos = 2;
    const QString expected = checksumOf(small);
    const auto connection = host::testing::TestDatabase::open(SqlDialect::SQLite);
    QSqlDatabase db = connection->database();
    DemoDataGenerator::gerar(db, SqlDialect::SQLite, host::testing::DemoDatabases::options());
    DemoDataGenerator::gerar(db, SqlDialect::SQLite, small);
    EXPECT_EQ(schema_test::checksum(db), expected);
}

// The smallest database, and one with more establishments than months in a
// year, still hold consistent rows.
TEST(DemoDataGeneration, HandlesExtremeOptions)
{
    DemoDataOptions tiny{7, 1, 1, 1, 1, 1, 1.0, 1};
    DemoDataOptions wide{7, 2, 14, 6, 3, 2, 0.0, 5};
    for (const DemoDataOptions& options : {tiny, wide}) {
        const auto connection = host::testing::TestDatabase::open(SqlDialect::SQLite);
        QSqlDatabase db = connection->database();
        ASSERT_NO_THROW(DemoDataGenerator::gerar(db, SqlDialect::SQLite, options));
        EXPECT_EQ(schema_test::count(db, QStringLiteral("SELECT COUNT(*) FROM ESTAB")),
                  options.empresas * options.estabelecimentos);
        EXPECT_GE(schema_test::count(db, QStringLiteral("SELECT COUNT(*) FROM CALCULOEVENTO")), 1);
        EXPECT_EQ(
            schema_test::count(
                db, QStringLiteral("SELECT COUNT(*) FROM FUNCPERCALCULO FPC WHERE NOT EXISTS "
                                   "(SELECT 1 FROM FUNCLOCAL FL WHERE FL.CODIGOEMPRESA = FPC.CODIGOEMPRESA "
                                   "AND FL.CODIGOFUNCCONTR = FPC.CODIGOFUNCCONTR AND FL.DATATRANSF = FPC.DATALOCAL)")),
            0);
    }
}

TEST(DemoDataGeneration, RefusesOptionsWithoutCompaniesOrEmployees)
{
    const auto connection = host::testing::TestDatabase::open(SqlDialect::SQLite);
    QSqlDatabase db = connection->database();
    DemoDataOptions options;
    options.empresas = 0;
    EXPECT_THROW(DemoDataGenerator::gerar(db, SqlDialect::SQLite, options), host::HostError);
    options = DemoDataOptions();
    options.parcelaRateio = 1.5;
    EXPECT_THROW(DemoDataGenerator::gerar(db, SqlDialect::SQLite, options), host::HostError);
}

TEST(DemoDataSqliteFile, ReplacesAnExistingFileAndLeavesNoDraft)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("folha.sqlite"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("not a database");
    }
    DemoDataOptions small;
    small.empresas = 1;
    small.funcionarios = 3;
    DemoDataGenerator::criarSqlite(path, small);
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".tmp")));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(16), QByteArray("SQLite format 3\0", 16));
}

// A failed build leaves neither the file nor its draft behind.
TEST(DemoDataSqliteFile, LeavesNothingBehindWhenItFails)
{
    DemoDataOptions invalid;
    invalid.funcionarios = 0;
    const struct {
        const char* name;
        DemoDataOptions options;
    } cases[] = {{"folha.sqlite", invalid}, {"missing/folha.sqlite", DemoDataOptions()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QLatin1String(c.name));
        EXPECT_THROW(DemoDataGenerator::criarSqlite(path, c.options), host::HostError);
        EXPECT_FALSE(QFile::exists(path));
        EXPECT_FALSE(QFile::exists(path + QStringLiteral(".tmp")));
    }
}

}  // namespace
