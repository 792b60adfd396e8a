#include "TableWriter.h"

#include "SchemaCatalogue.h"

#include "host/HostError.h"

#include <QDate>
#include <QSqlError>
#include <QStringList>

#include <algorithm>

namespace host::demo {

namespace {

// SQLite allows 32766 parameters per statement and PostgreSQL 65535; far
// fewer already make the round trips negligible.
constexpr int kParametersPerStatement = 2000;
constexpr int kMaxBatchRows = 200;

[[noreturn]] void fail(const QString& table, const QSqlError& error)
{
    throw HostError(QStringLiteral("Falha ao gravar a tabela %1 da base de demonstração: %2").arg(table, error.text()));
}

}  // namespace

TableWriter::TableWriter(QSqlDatabase& db, SqlDialect dialect, const QString& table)
    : db_(db), dialect_(dialect), table_(schema::findTable(table))
{
    if (table_ == nullptr) {
        throw HostError(QStringLiteral("Tabela desconhecida na base de demonstração: %1").arg(table));
    }
    const int columns = static_cast<int>(table_->columns.size());
    batchRows_ = std::clamp(kParametersPerStatement / columns, 1, kMaxBatchRows);
    pending_.reserve(static_cast<std::size_t>(batchRows_));
}

void TableWriter::writeAll(QSqlDatabase& db, SqlDialect dialect, const QString& table, const std::vector<Row>& rows)
{
    TableWriter writer(db, dialect, table);
    for (const Row& row : rows) {
        writer.add(row);
    }
    writer.finish();
}

void TableWriter::add(Row row)
{
    Q_ASSERT(row.size() == table_->columns.size());
    pending_.push_back(std::move(row));
    if (static_cast<int>(pending_.size()) == batchRows_) {
        flush();
    }
}

void TableWriter::finish()
{
    if (!pending_.empty()) {
        flush();
    }
}

QSqlQuery TableWriter::prepare(int rows)
{
    QStringList names;
    for (const schema::ColumnSpec& column : table_->columns) {
        names << QLatin1String(column.name);
    }
    const QString tuple =
        QLatin1Char('(') + QStringList(names.size(), QStringLiteral("?")).join(QLatin1Char(',')) + QLatin1Char(')');
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
                            .arg(QLatin1String(table_->name), names.join(QLatin1Char(',')),
                                 QStringList(rows, tuple).join(QLatin1Char(',')));
    QSqlQuery query(db_);
    if (!query.prepare(sql)) {
        fail(QLatin1String(table_->name), query.lastError());
    }
    return query;
}

void TableWriter::flush()
{
    const int rows = static_cast<int>(pending_.size());
    if (rows == batchRows_) {
        if (!batch_) {
            batch_.emplace(prepare(rows));
        }
        execute(*batch_);
    } else {
        QSqlQuery last = prepare(rows);
        execute(last);
    }
    pending_.clear();
}

void TableWriter::execute(QSqlQuery& query)
{
    int position = 0;
    for (const Row& row : pending_) {
        for (const QVariant& value : row) {
            query.bindValue(position++, bindable(value));
        }
    }
    if (!query.exec()) {
        fail(QLatin1String(table_->name), query.lastError());
    }
}

QVariant TableWriter::bindable(const QVariant& value) const
{
    if (value.typeId() == QMetaType::QDate && dialect_ == SqlDialect::SQLite) {
        return value.toDate().toString(Qt::ISODate);
    }
    return value;
}

}  // namespace host::demo
