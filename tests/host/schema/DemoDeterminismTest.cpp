#include "DemoDatabases.h"
#include "PostgresTestServer.h"
#include "SqlTestSupport.h"

#include "host/DemoDataGenerator.h"
#include "host/HostError.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

using host::DemoDataGenerator;
using host::DemoDataOptions;
using host::SqlDialect;
using schema_test::TemporaryConnection;

QString checksumOf(const DemoDataOptions& options, const QString& connectionName)
{
    const auto connection = TemporaryConnection::sqliteMemory(connectionName);
    QSqlDatabase db = connection.db();
    DemoDataGenerator::gerar(db, SqlDialect::SQLite, options);
    return schema_test::checksum(db);
}

TEST(DemoDataDeterminism, SameSeedGivesTheSameRows)
{
    EXPECT_EQ(checksumOf(DemoDatabases::options(), QStringLiteral("same_seed")),
              schema_test::checksum(DemoDatabases::sqlite()));
}

TEST(DemoDataDeterminism, AnotherSeedGivesOtherRows)
{
    DemoDataOptions other = DemoDatabases::options();
    other.seed += 1;
    EXPECT_NE(checksumOf(other, QStringLiteral("other_seed")), schema_test::checksum(DemoDatabases::sqlite()));
}

TEST(DemoDataDeterminism, BothDatabasesHoldTheSameRows)
{
    DARVELO_REQUIRE_POSTGRES();
    EXPECT_EQ(schema_test::checksum(*DemoDatabases::postgres()), schema_test::checksum(DemoDatabases::sqlite()));
}

// A second run on the same database replaces the tables of the first.
TEST(DemoDataGeneration, ReplacesTheTablesOfAnEarlierRun)
{
    DemoDataOptions small;
    small.empresas = 1;
    small.funcionarios = 5;
    small.periodos = 2;
    const QString expected = checksumOf(small, QStringLiteral("small_fresh"));
    const auto connection = TemporaryConnection::sqliteMemory(QStringLiteral("small_again"));
    QSqlDatabase db = connection.db();
    DemoDataGenerator::gerar(db, SqlDialect::SQLite, DemoDatabases::options());
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
        const auto connection = TemporaryConnection::sqliteMemory(QStringLiteral("extreme"));
        QSqlDatabase db = connection.db();
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
    const auto connection = TemporaryConnection::sqliteMemory(QStringLiteral("invalid"));
    QSqlDatabase db = connection.db();
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

TEST(DemoDataSqliteFile, LeavesNothingBehindWhenGenerationFails)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("folha.sqlite"));
    DemoDataOptions invalid;
    invalid.funcionarios = 0;
    EXPECT_THROW(DemoDataGenerator::criarSqlite(path, invalid), host::HostError);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".tmp")));
}

TEST(DemoDataSqliteFile, RaisesWhenTheFolderCannotBeWritten)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/folha.sqlite"));
    EXPECT_THROW(DemoDataGenerator::criarSqlite(path, DemoDataOptions()), host::HostError);
    EXPECT_FALSE(QFile::exists(path));
}

}  // namespace
