#pragma once

#include "PostgresTestServer.h"

#include "host/DemoDataGenerator.h"
#include "host/HostError.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

namespace host::testing {

// The demo payroll database of the default options, built once per test
// program: a SQLite file in a temporary folder and, when a server is
// available, PostgreSQL databases of their own (named by the program, so
// test programs running at the same time do not meet). Each PostgreSQL
// database is held under an advisory lock while the program runs, so that
// two runs of one program do not rebuild it under each other. The sessions
// stay open until the program ends.
class DemoDatabases {
public:
    static DemoDatabases& instance()
    {
        static DemoDatabases databases;
        return databases;
    }

    static const DemoDataOptions& options()
    {
        static const DemoDataOptions defaults;
        return defaults;
    }

    QString sqlitePath()
    {
        if (sqlitePath_.isEmpty()) {
            const QString path = folder_.filePath(QStringLiteral("demo.sqlite"));
            DemoDataGenerator::criarSqlite(path, options());
            sqlitePath_ = path;
        }
        return sqlitePath_;
    }

    QString sqliteConnection() { return QStringLiteral("sqlite:") + sqlitePath(); }

    QSqlDatabase sqlite()
    {
        const QString name = QStringLiteral("demo-sqlite");
        if (!QSqlDatabase::contains(name)) {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(sqlitePath());
            if (!db.open())
                throw HostError(QStringLiteral("SQLite de teste: ") + db.lastError().text());
        }
        return QSqlDatabase::database(name, false);
    }

    // Empty without a server.
    QString postgresConnection(const QString& databaseName)
    {
        if (postgresTestConnection().isEmpty())
            return {};
        postgres(databaseName);
        QUrl url(postgresTestConnection());
        url.setPath(QLatin1Char('/') + databaseName);
        return url.toString();
    }

    // The session that loaded the database; the server must be configured.
    QSqlDatabase postgres(const QString& databaseName)
    {
        const QString name = QStringLiteral("demo-pg-") + databaseName;
        if (!QSqlDatabase::contains(name))
            loadPostgres(name, databaseName);
        return QSqlDatabase::database(name, false);
    }

    QSqlDatabase database(SqlDialect dialect, const QString& postgresName)
    {
        return dialect == SqlDialect::SQLite ? sqlite() : postgres(postgresName);
    }

private:
    static void exec(QSqlDatabase db, const QString& sql)
    {
        QSqlQuery query(db);
        if (!query.exec(sql))
            throw HostError(QStringLiteral("PostgreSQL de teste: ") + query.lastError().text());
    }

    static void loadPostgres(const QString& connectionName, const QString& databaseName)
    {
        {
            QSqlDatabase admin = postgresSession(QStringLiteral("demo-admin"));
            QSqlQuery query(admin);
            query.exec(QStringLiteral("SELECT 1 FROM pg_database WHERE datname = '%1'").arg(databaseName));
            if (!query.next())
                exec(admin, QStringLiteral("CREATE DATABASE %1").arg(databaseName));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("demo-admin"));
        try {
            QSqlDatabase db = postgresSession(connectionName, databaseName);
            exec(db, QStringLiteral("SELECT pg_advisory_lock(hashtext('%1'))").arg(databaseName));
            DemoDataGenerator::gerar(db, SqlDialect::PostgreSQL, options());
        } catch (...) {
            // A half-built database must not be taken for a loaded one.
            QSqlDatabase::removeDatabase(connectionName);
            throw;
        }
    }

    QTemporaryDir folder_;
    QString sqlitePath_;
};

}  // namespace host::testing
