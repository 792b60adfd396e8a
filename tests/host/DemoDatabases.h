#pragma once

#include "PostgresTestServer.h"

#include "host/DemoDataGenerator.h"
#include "host/HostError.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

namespace host::testing {

// The demo payroll database, built once per test program: a SQLite file in
// a temporary folder and, when a server is available, a PostgreSQL database
// of its own (named after the program, so test programs running at the same
// time do not meet).
class DemoDatabases {
public:
    static DemoDatabases& instance()
    {
        static DemoDatabases databases;
        return databases;
    }

    QString sqliteConnection()
    {
        if (sqlitePath_.isEmpty()) {
            sqlitePath_ = folder_.filePath(QStringLiteral("demo.sqlite"));
            DemoDataGenerator::criarSqlite(sqlitePath_, DemoDataOptions{});
        }
        return QStringLiteral("sqlite:") + sqlitePath_;
    }

    // Empty without a server.
    QString postgresConnection(const QString& databaseName)
    {
        const QString server = postgresTestConnection();
        if (server.isEmpty())
            return {};
        if (!postgresLoaded_.contains(databaseName)) {
            loadPostgres(server, databaseName);
            postgresLoaded_ << databaseName;
        }
        QUrl url(server);
        url.setPath(QLatin1Char('/') + databaseName);
        return url.toString();
    }

    // A writable session on the server, for what tests must do as the
    // database's owner (create the database, end a session).
    static QSqlDatabase adminSession(const QString& name, const QString& databaseName)
    {
        const QUrl url(postgresTestConnection());
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(url.host());
        db.setPort(url.port(5432));
        db.setUserName(url.userName());
        db.setPassword(url.password());
        db.setDatabaseName(databaseName.isEmpty() ? url.path().mid(1) : databaseName);
        if (!db.open())
            throw HostError(QStringLiteral("PostgreSQL de teste: ") + db.lastError().text());
        return db;
    }

private:
    static void loadPostgres(const QString& server, const QString& databaseName)
    {
        {
            QSqlDatabase admin = adminSession(QStringLiteral("demo-admin"), {});
            QSqlQuery query(admin);
            query.exec(QStringLiteral("SELECT 1 FROM pg_database WHERE datname = '%1'").arg(databaseName));
            if (!query.next() && !query.exec(QStringLiteral("CREATE DATABASE %1").arg(databaseName)))
                throw HostError(QStringLiteral("PostgreSQL de teste: ") + query.lastError().text());
        }
        QSqlDatabase::removeDatabase(QStringLiteral("demo-admin"));
        {
            QSqlDatabase db = adminSession(QStringLiteral("demo-load"), databaseName);
            DemoDataGenerator::gerar(db, SqlDialect::PostgreSQL, DemoDataOptions{});
        }
        QSqlDatabase::removeDatabase(QStringLiteral("demo-load"));
        (void)server;
    }

    QTemporaryDir folder_;
    QString sqlitePath_;
    QStringList postgresLoaded_;
};

}  // namespace host::testing
