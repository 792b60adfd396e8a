#include "SqlTestSupport.h"

#include "DemoDatabases.h"
#include "SchemaCatalogue.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

namespace schema_test {

namespace {

QString canonical(const QVariant& value, const host::schema::ColumnSpec& column)
{
    if (value.isNull()) {
        return QStringLiteral("\\N");
    }
    switch (host::schema::fieldType(column.kind)) {
    case host::FieldType::Integer:
        return QString::number(value.toLongLong());
    case host::FieldType::Float:
        return QString::number(value.toDouble(), 'f', host::schema::scale(column.kind));
    case host::FieldType::Date:
        return value.typeId() == QMetaType::QDate ? value.toDate().toString(Qt::ISODate) : value.toString();
    case host::FieldType::Text:
        return value.toString();
    }
    return {};
}

QStringList tableLines(QSqlDatabase db, const host::schema::TableSpec& table)
{
    QStringList lines;
    for (const QVariantList& row : rows(db, QStringLiteral("SELECT * FROM %1").arg(QLatin1String(table.name)))) {
        QStringList values;
        for (std::size_t i = 0; i < table.columns.size(); ++i) {
            values << canonical(row.at(static_cast<qsizetype>(i)), table.columns[i]);
        }
        lines << values.join(QLatin1Char('|'));
    }
    // The databases order texts by different collations; the hash must not.
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace

std::vector<QVariantList> rows(QSqlDatabase db, const QString& sql)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    std::vector<QVariantList> result;
    if (!query.exec(sql)) {
        ADD_FAILURE() << "exec: " << query.lastError().text().toStdString() << "\n" << sql.toStdString();
        return result;
    }
    const int columns = query.record().count();
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < columns; ++i) {
            row << query.value(i);
        }
        result.push_back(row);
    }
    return result;
}

qint64 count(QSqlDatabase db, const QString& sql)
{
    const std::vector<QVariantList> result = rows(db, sql);
    return result.empty() ? -1 : result.front().front().toLongLong();
}

std::set<QString> texts(QSqlDatabase db, const QString& sql)
{
    std::set<QString> result;
    for (const QVariantList& row : rows(db, sql)) {
        result.insert(row.front().toString().trimmed());
    }
    return result;
}

std::set<qint64> integers(QSqlDatabase db, const QString& sql)
{
    std::set<qint64> result;
    for (const QVariantList& row : rows(db, sql)) {
        result.insert(row.front().toLongLong());
    }
    return result;
}

QString checksum(QSqlDatabase db)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const host::schema::TableSpec& table : host::schema::tables()) {
        hash.addData(QByteArray(table.name));
        for (const QString& line : tableLines(db, table)) {
            hash.addData(line.toUtf8());
            hash.addData("\n");
        }
    }
    return QString::fromLatin1(hash.result().toHex());
}

QSqlDatabase demo(host::SqlDialect dialect)
{
    return host::testing::DemoDatabases::instance().database(dialect, QLatin1String(kDemoPostgres));
}

}  // namespace schema_test
