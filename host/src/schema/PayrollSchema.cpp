#include "host/PayrollSchema.h"

#include "SchemaCatalogue.h"

#include <QHash>

namespace host {

namespace {

using schema::ColumnSpec;
using schema::TableSpec;

// SQLite keeps dates as text; the check turns a date written in any other
// form (a bound QDateTime, a local format) into an error at once instead of
// into rows that compare wrongly later.
QString sqliteDateCheck(const char* column)
{
    return QStringLiteral(" CHECK (%1 GLOB '[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]')").arg(QLatin1String(column));
}

QString columnDefinition(const ColumnSpec& column, bool key, SqlDialect dialect)
{
    QString text = QStringLiteral("  %1 %2").arg(QLatin1String(column.name), schema::sqlType(column));
    if (key) {
        text += QStringLiteral(" NOT NULL");
    }
    if (column.kind == schema::Kind::Date && dialect == SqlDialect::SQLite) {
        text += sqliteDateCheck(column.name);
    }
    return text;
}

QString primaryKey(const TableSpec& table)
{
    QStringList names;
    for (int i = 0; i < table.keyColumns; ++i) {
        names << QLatin1String(table.columns[i].name);
    }
    return QStringLiteral("  PRIMARY KEY (%1)").arg(names.join(QStringLiteral(", ")));
}

QString createTable(const TableSpec& table, SqlDialect dialect)
{
    QStringList lines;
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        lines << columnDefinition(table.columns[i], static_cast<int>(i) < table.keyColumns, dialect);
    }
    if (table.keyColumns > 0) {
        lines << primaryKey(table);
    }
    return QStringLiteral("CREATE TABLE %1 (\n%2\n)").arg(QLatin1String(table.name), lines.join(QStringLiteral(",\n")));
}

QHash<QString, FieldType> buildColumnTypes()
{
    QHash<QString, FieldType> types;
    for (const TableSpec& table : schema::tables()) {
        for (const ColumnSpec& column : table.columns) {
            types.insert(QLatin1String(column.name), schema::fieldType(column.kind));
        }
    }
    return types;
}

}  // namespace

QString PayrollSchema::ddl(SqlDialect dialect)
{
    QStringList statements;
    for (const TableSpec& table : schema::tables()) {
        statements << createTable(table, dialect);
    }
    for (const schema::IndexSpec& index : schema::indexes()) {
        statements << QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                          .arg(QLatin1String(index.name), QLatin1String(index.table), QLatin1String(index.columns));
    }
    return statements.join(QStringLiteral(";\n"));
}

std::optional<FieldType> PayrollSchema::columnType(const QString& name)
{
    static const QHash<QString, FieldType> types = buildColumnTypes();
    const auto found = types.constFind(name.toUpper());
    if (found == types.constEnd()) {
        return std::nullopt;
    }
    return *found;
}

QStringList PayrollSchema::tableNames()
{
    QStringList names;
    for (const TableSpec& table : schema::tables()) {
        names << QLatin1String(table.name);
    }
    return names;
}

QStringList PayrollSchema::columnNames(const QString& table)
{
    QStringList names;
    if (const TableSpec* definition = schema::findTable(table)) {
        for (const ColumnSpec& column : definition->columns) {
            names << QLatin1String(column.name);
        }
    }
    return names;
}

}  // namespace host
