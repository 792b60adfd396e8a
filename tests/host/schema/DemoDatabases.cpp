#include "DemoDatabases.h"

#include "PostgresTestServer.h"

#include "host/ConnectionText.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString kSqliteConnection = QStringLiteral("schema_test_sqlite");
const QString kPostgresConnection = QStringLiteral("schema_test_pg");
const QString kPostgresAdminConnection = QStringLiteral("schema_test_pg_admin");
const QString kPostgresDatabase = QStringLiteral("darvelo_schema_test");
// Any constant: it only has to be the same for every run of this program.
constexpr qint64 kAdvisoryLock = 7316402;

std::unique_ptr<QTemporaryDir> temporaryDir;
bool postgresReady = false;
qint64 sqliteBuildMs = 0;

// Qt loads its SQL drivers as plugins, which needs an application object.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "host_schema_tests";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        static QCoreApplication application(argc, argv);
    }
}

void exec(QSqlDatabase& db, const QString& sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql)) {
        throw std::runtime_error((sql + QStringLiteral(": ") + query.lastError().text()).toStdString());
    }
}

void createDatabaseIfMissing()
{
    const host::ConnectionText text = host::ConnectionText::parse(host::testing::postgresTestConnection());
    {
        QSqlDatabase admin = DemoDatabases::connectPostgres(kPostgresAdminConnection, text.database);
        QSqlQuery query(admin);
        query.exec(QStringLiteral("SELECT 1 FROM pg_database WHERE datname = '%1'").arg(kPostgresDatabase));
        if (!query.next()) {
            exec(admin, QStringLiteral("CREATE DATABASE %1").arg(kPostgresDatabase));
        }
        admin.close();
    }
    QSqlDatabase::removeDatabase(kPostgresAdminConnection);
}

}  // namespace

QSqlDatabase DemoDatabases::connectPostgres(const QString& connectionName, const QString& database)
{
    const host::ConnectionText text = host::ConnectionText::parse(host::testing::postgresTestConnection());
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    text.applyTo(db);
    db.setDatabaseName(database);
    if (!db.open()) {
        throw std::runtime_error(("PostgreSQL: " + db.lastError().text()).toStdString());
    }
    return db;
}

void DemoDatabases::SetUp()
{
    ensureApplication();
    temporaryDir = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(temporaryDir->isValid());
    QElapsedTimer timer;
    timer.start();
    host::DemoDataGenerator::criarSqlite(sqlitePath(), options());
    sqliteBuildMs = timer.elapsed();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kSqliteConnection);
    db.setDatabaseName(sqlitePath());
    ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
    if (!host::testing::postgresTestConnection().isEmpty()) {
        setUpPostgres();
    }
}

void DemoDatabases::setUpPostgres()
{
    createDatabaseIfMissing();
    QSqlDatabase db = connectPostgres(kPostgresConnection, kPostgresDatabase);
    exec(db, QStringLiteral("SELECT pg_advisory_lock(%1)").arg(kAdvisoryLock));
    host::DemoDataGenerator::gerar(db, host::SqlDialect::PostgreSQL, options());
    postgresReady = true;
}

void DemoDatabases::TearDown()
{
    for (const QString& name : {kSqliteConnection, kPostgresConnection}) {
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
    temporaryDir.reset();
}

const host::DemoDataOptions& DemoDatabases::options()
{
    static const host::DemoDataOptions defaults;
    return defaults;
}

QString DemoDatabases::sqlitePath()
{
    return temporaryDir->filePath(QStringLiteral("demo.sqlite"));
}

QSqlDatabase DemoDatabases::sqlite()
{
    return QSqlDatabase::database(kSqliteConnection, false);
}

std::optional<QSqlDatabase> DemoDatabases::postgres()
{
    if (!postgresReady) {
        return std::nullopt;
    }
    return QSqlDatabase::database(kPostgresConnection, false);
}

QSqlDatabase DemoDatabases::database(host::SqlDialect dialect)
{
    return dialect == host::SqlDialect::SQLite ? sqlite() : *postgres();
}

QString DemoDatabases::postgresDatabaseName()
{
    return kPostgresDatabase;
}

qint64 DemoDatabases::sqliteMilliseconds()
{
    return sqliteBuildMs;
}

// gtest owns the environments it is given.
[[maybe_unused]] static ::testing::Environment* const demoDatabases =
    ::testing::AddGlobalTestEnvironment(new DemoDatabases);
