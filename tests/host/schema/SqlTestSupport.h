#pragma once

#include "host/SqlDialect.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <set>
#include <utility>
#include <vector>

namespace schema_test {

using Params = std::vector<std::pair<QString, QVariant>>;

// Runs a query, failing the test with the database's message when it does
// not run; returns every row.
std::vector<QVariantList> rows(QSqlDatabase db, const QString& sql, const Params& params = {});
qint64 count(QSqlDatabase db, const QString& sql, const Params& params = {});
// The first column of every row, as text.
std::set<QString> texts(QSqlDatabase db, const QString& sql);
std::set<qint64> integers(QSqlDatabase db, const QString& sql);

// A date as the dialect binds it: ISO text on SQLite, a date on PostgreSQL.
QVariant dateParam(const QDate& date, host::SqlDialect dialect);

// One text per row of every schema table, each value written by its column
// type (numbers with their declared decimals, dates in ISO form), sorted,
// and hashed: the same on any database holding the same data.
QString checksum(QSqlDatabase db);

QString dialectName(host::SqlDialect dialect);

// A connection of a test's own, removed when the test ends: an in-memory
// SQLite database, or a new session on the PostgreSQL test database.
class TemporaryConnection {
public:
    static TemporaryConnection sqliteMemory(const QString& name);
    static TemporaryConnection postgres(const QString& name);
    ~TemporaryConnection();
    TemporaryConnection(TemporaryConnection&& other) noexcept;
    TemporaryConnection(const TemporaryConnection&) = delete;
    TemporaryConnection& operator=(const TemporaryConnection&) = delete;
    TemporaryConnection& operator=(TemporaryConnection&&) = delete;

    QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }

private:
    explicit TemporaryConnection(QString name) : name_(std::move(name)) {}
    QString name_;
};

}  // namespace schema_test
