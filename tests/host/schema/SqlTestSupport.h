#pragma once

#include "host/SqlDialect.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <set>
#include <vector>

namespace schema_test {

// Runs a query, failing the test with the database's message when it does
// not run; returns every row.
std::vector<QVariantList> rows(QSqlDatabase db, const QString& sql);
qint64 count(QSqlDatabase db, const QString& sql);
// The first column of every row, as text.
std::set<QString> texts(QSqlDatabase db, const QString& sql);
std::set<qint64> integers(QSqlDatabase db, const QString& sql);

// One text per row of every schema table, each value written by its column
// type (numbers with their declared decimals, dates in ISO form), sorted,
// and hashed: the same on any database holding the same data.
QString checksum(QSqlDatabase db);

// The demo database of the schema tests on a dialect; the PostgreSQL one
// needs the test server.
inline constexpr const char* kDemoPostgres = "darvelo_schema_test";
QSqlDatabase demo(host::SqlDialect dialect);

}  // namespace schema_test
