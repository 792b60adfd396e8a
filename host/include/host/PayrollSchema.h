#pragma once

#include "host/FieldType.h"
#include "host/SqlDialect.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace host {

// The payroll database as the payroll functions read it: every table and
// column their queries name, the company data of the company function, and
// the keys and indexes that keep those queries fast.
class PayrollSchema {
public:
    // CREATE TABLE and CREATE INDEX statements separated by ";\n". Dates are
    // DATE columns on both databases; SQLite keeps them as 'YYYY-MM-DD' text
    // and refuses any other text in them.
    static QString ddl(SqlDialect dialect);

    // The type of a column named in any table, ignoring case. A name means
    // the same type in every table that has it.
    static std::optional<FieldType> columnType(const QString& name);

    // Upper-case table names, in creation order.
    static QStringList tableNames();
    // Upper-case column names of a table in their order; empty for a name
    // that is not a table of the schema.
    static QStringList columnNames(const QString& table);
};

}  // namespace host
