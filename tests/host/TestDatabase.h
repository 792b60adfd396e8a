#pragma once

#include "host/SqlDialect.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <QVector>

#include <memory>

namespace host::testing {

// A private connection for one test: an in-memory SQLite database, or a
// session on the PostgreSQL test server (whose tables a test creates as
// TEMP tables, so that parallel programs do not meet), on its default
// database unless another is named. Closed on destruction.
class TestDatabase {
public:
    static std::unique_ptr<TestDatabase> open(SqlDialect dialect, const QString& postgresDatabase = {});
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    SqlDialect dialect() const { return dialect_; }
    QSqlDatabase database() const;

    // Each raises std::runtime_error with the driver's message on failure.
    void exec(const QString& sql) const;
    QVector<QVariantList> rows(const QString& sql) const;
    QStringList columnNames(const QString& sql) const;
    QVariant scalar(const QString& sql) const;

private:
    TestDatabase(QString name, SqlDialect dialect) : name_(std::move(name)), dialect_(dialect) {}

    QString name_;
    SqlDialect dialect_;
};

}  // namespace host::testing
