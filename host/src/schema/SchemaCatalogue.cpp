#include "SchemaCatalogue.h"

#include <array>

namespace host::schema {

namespace {

struct KindInfo {
    FieldType field;
    const char* sql;
    int scale;
};

// Indexed by Kind.
constexpr std::array<KindInfo, 6> kKinds = {{
    {FieldType::Integer, "INTEGER", 0},
    {FieldType::Float, "NUMERIC(18, 2)", 2},
    {FieldType::Float, "NUMERIC(18, 6)", 6},
    {FieldType::Text, "VARCHAR(%1)", 0},
    {FieldType::Text, "CHAR(1)", 0},
    {FieldType::Date, "DATE", 0},
}};

const KindInfo& info(Kind kind)
{
    return kKinds[static_cast<std::size_t>(kind)];
}

}  // namespace

const TableSpec* findTable(QAnyStringView name)
{
    for (const TableSpec& table : tables()) {
        if (QAnyStringView::compare(name, QLatin1String(table.name), Qt::CaseInsensitive) == 0) {
            return &table;
        }
    }
    return nullptr;
}

int columnIndex(const TableSpec& table, QAnyStringView column)
{
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        if (QAnyStringView::compare(column, QLatin1String(table.columns[i].name), Qt::CaseInsensitive) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

FieldType fieldType(Kind kind)
{
    return info(kind).field;
}

QString sqlType(const ColumnSpec& column)
{
    const QString text = QLatin1String(info(column.kind).sql);
    return column.kind == Kind::Text ? text.arg(column.length) : text;
}

int scale(Kind kind)
{
    return info(kind).scale;
}

}  // namespace host::schema
