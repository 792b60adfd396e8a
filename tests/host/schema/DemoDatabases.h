#pragma once

#include "host/DemoDataGenerator.h"
#include "host/SqlDialect.h"

#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <optional>

// The demo database of the default options, built once for the whole test
// program on SQLite (a file) and, when a server is configured, on PostgreSQL
// (database darvelo_schema_test, held under an advisory lock so that two runs
// of this program do not rebuild it under each other).
class DemoDatabases : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;

    static const host::DemoDataOptions& options();
    static QSqlDatabase sqlite();
    static QString sqlitePath();
    // Null when no PostgreSQL server is configured.
    static std::optional<QSqlDatabase> postgres();
    // The database of a dialect; the PostgreSQL one must exist.
    static QSqlDatabase database(host::SqlDialect dialect);
    // Milliseconds the SQLite build took.
    static qint64 sqliteMilliseconds();

    // A fresh connection to a PostgreSQL database of the test server.
    static QSqlDatabase connectPostgres(const QString& connectionName, const QString& database);
    static QString postgresDatabaseName();

private:
    void setUpPostgres();
};
