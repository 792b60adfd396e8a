#pragma once

#include "host/SqlDialect.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <optional>
#include <vector>

namespace host::schema {
struct TableSpec;
}

namespace host::demo {

using Row = std::vector<QVariant>;

// Inserts rows into one table with prepared multi-row INSERT statements, so
// that a server database gets one round trip per batch instead of per row.
// Values are given in the table's column order; dates as QDate (bound as
// 'YYYY-MM-DD' text on SQLite), nulls as an invalid QVariant.
class TableWriter {
public:
    TableWriter(QSqlDatabase& db, SqlDialect dialect, const QString& table);

    // The whole content of a small table in one call.
    static void writeAll(QSqlDatabase& db, SqlDialect dialect, const QString& table, const std::vector<Row>& rows);

    void add(Row row);
    // Writes the rows still held. Must be called before the writer goes away:
    // a failure is raised from here, never from a destructor.
    void finish();

private:
    QSqlQuery prepare(int rows);
    void flush();
    void execute(QSqlQuery& query);
    QVariant bindable(const QVariant& value) const;

    QSqlDatabase db_;
    SqlDialect dialect_;
    const schema::TableSpec* table_;
    int batchRows_;
    std::optional<QSqlQuery> batch_;
    std::vector<Row> pending_;
};

}  // namespace host::demo
