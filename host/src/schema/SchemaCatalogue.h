#pragma once

#include "host/FieldType.h"

#include <QString>
#include <QAnyStringView>

#include <cstdint>
#include <span>

namespace host::schema {

// The column kinds of the payroll database; each has one SQL type and one
// field type, so a name keeps its type in every table.
enum class Kind : std::uint8_t {
    Integer,  // INTEGER
    Money,    // NUMERIC(18, 2)
    Rate,     // NUMERIC(18, 6)
    Text,     // VARCHAR(length)
    Flag,     // CHAR(1)
    Date,     // DATE
};

struct ColumnSpec {
    const char* name;
    Kind kind;
    int length = 0;  // VARCHAR only
};

// The primary key is the first `keyColumns` columns, in order.
struct TableSpec {
    const char* name;
    std::span<const ColumnSpec> columns;
    int keyColumns;
};

struct IndexSpec {
    const char* name;
    const char* table;
    const char* columns;  // as written in CREATE INDEX
};

std::span<const TableSpec> tables();
std::span<const IndexSpec> indexes();
// The table of that name ignoring case, or null.
const TableSpec* findTable(QAnyStringView name);
// The index of a column in its table, or -1.
int columnIndex(const TableSpec& table, QAnyStringView column);

FieldType fieldType(Kind kind);
QString sqlType(const ColumnSpec& column);
// Decimal places of a NUMERIC column, 0 for the others.
int scale(Kind kind);

}  // namespace host::schema
