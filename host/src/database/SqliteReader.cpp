#include "SqliteReader.h"

#include "QueryLoader.h"

#include "host/HostError.h"
#include "host/TnClientDataSet.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlDriver>

#include <sqlite3.h>

#include <cmath>
#include <deque>

namespace host {

namespace {

// Rows held back while the column types are not yet known, as the loader
// does: a column whose first values are null takes its type from a later row.
constexpr int kSampleRows = 256;

using Statement = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

[[noreturn]] void raise(sqlite3* database)
{
    throw SqliteReader::Error(QString::fromUtf8(sqlite3_errmsg(database)));
}

void bind(sqlite3* database, sqlite3_stmt* statement, int index, const QVariant& value)
{
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(statement, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::Bool:
            rc = sqlite3_bind_int64(statement, index, value.toLongLong());
            break;
        case QMetaType::Double:
            rc = sqlite3_bind_double(statement, index, value.toDouble());
            break;
        case QMetaType::QDate:
            rc = sqlite3_bind_text(statement, index, value.toDate().toString(Qt::ISODate).toUtf8().constData(), -1,
                                   SQLITE_TRANSIENT);
            break;
        default: {
            const QByteArray text = value.toString().toUtf8();
            rc = sqlite3_bind_text(statement, index, text.constData(), static_cast<int>(text.size()),
                                   SQLITE_TRANSIENT);
        }
        }
    }
    if (rc != SQLITE_OK)
        raise(database);
}

QString textOf(sqlite3_stmt* statement, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(statement, column));
}

// The value as Qt's driver would have given it.
QVariant variantOf(sqlite3_stmt* statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(statement, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(statement, column));
    case SQLITE_TEXT:
        return QVariant(textOf(statement, column));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(statement, column)),
                                   sqlite3_column_bytes(statement, column)));
    default:
        return QVariant(QMetaType(QMetaType::QString));
    }
}

// "2024-05-31", alone or followed by a time, read without building texts.
bool isoDate(sqlite3_stmt* statement, int column, QDate& date)
{
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    const int n = sqlite3_column_bytes(statement, column);
    const auto digits = [p](int from, int count) {
        int value = 0;
        for (int i = from; i < from + count; ++i) {
            if (p[i] < '0' || p[i] > '9')
                return -1;
            value = value * 10 + (p[i] - '0');
        }
        return value;
    };
    if (n < 10 || p[4] != '-' || p[7] != '-' || (n > 10 && p[10] != ' ' && p[10] != 'T'))
        return false;
    date = QDate(digits(0, 4), digits(5, 2), digits(8, 2));
    return date.isValid();
}

// The common cases straight into the column; everything else (and every
// value that does not fit its field) goes through the loader's conversion,
// which also raises its errors.
void append(TnClientDataSet& dataset, int column, const FieldDef& field, sqlite3_stmt* statement)
{
    const int kind = sqlite3_column_type(statement, column);
    if (kind == SQLITE_NULL) {
        dataset.appendNull(column);
        return;
    }
    if (field.type == FieldType::Integer && kind == SQLITE_INTEGER) {
        dataset.appendInteger(column, sqlite3_column_int64(statement, column));
        return;
    }
    if (field.type == FieldType::Float && (kind == SQLITE_FLOAT || kind == SQLITE_INTEGER)) {
        dataset.appendFloat(column, sqlite3_column_double(statement, column));
        return;
    }
    if (field.type == FieldType::Text && kind == SQLITE_TEXT) {
        dataset.appendUtf8Text(column, reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                               sqlite3_column_bytes(statement, column));
        return;
    }
    QDate date;
    if (field.type == FieldType::Date && kind == SQLITE_TEXT && isoDate(statement, column, date)) {
        dataset.appendDate(column, date);
        return;
    }
    QueryLoader::append(dataset, column, field.type, variantOf(statement, column), field.name);
}

}  // namespace

sqlite3* SqliteReader::handle(const QSqlDatabase& database)
{
    if (!database.isOpen() || !database.driver())
        return nullptr;
    const QVariant value = database.driver()->handle();
    if (!value.isValid() || qstrcmp(value.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(value.constData());
}

std::unique_ptr<TnClientDataSet> SqliteReader::load(sqlite3* database, const QString& sql,
                                                    const std::vector<QVariant>& values,
                                                    const std::vector<FieldDef>* fixedFields)
{
    sqlite3_stmt* raw = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(database, text.constData(), static_cast<int>(text.size()), &raw, nullptr) != SQLITE_OK)
        raise(database);
    const Statement statement(raw, &sqlite3_finalize);
    for (std::size_t i = 0; i < values.size(); ++i)
        bind(database, raw, static_cast<int>(i + 1), values[i]);

    const int columns = sqlite3_column_count(raw);
    std::vector<QVariant> samples(columns);
    std::deque<std::vector<QVariant>> held;
    int unknown = columns;
    int rc = sqlite3_step(raw);
    while (rc == SQLITE_ROW && unknown > 0 && static_cast<int>(held.size()) < kSampleRows && !fixedFields) {
        std::vector<QVariant> row(columns);
        for (int c = 0; c < columns; ++c) {
            row[c] = variantOf(raw, c);
            if (!samples[c].isValid() && !row[c].isNull()) {
                samples[c] = row[c];
                --unknown;
            }
        }
        held.push_back(std::move(row));
        rc = sqlite3_step(raw);
    }

    QStringList names;
    for (int c = 0; c < columns; ++c)
        names << QString::fromUtf8(sqlite3_column_name(raw, c));
    const std::vector<FieldDef> fields = QueryLoader::fieldsFor(names, samples, fixedFields);
    auto dataset = std::make_unique<TnClientDataSet>(fields);
    for (const auto& row : held) {
        for (int c = 0; c < columns; ++c)
            QueryLoader::append(*dataset, c, fields[c].type, row[c], fields[c].name);
    }
    for (; rc == SQLITE_ROW; rc = sqlite3_step(raw)) {
        for (int c = 0; c < columns; ++c)
            append(*dataset, c, fields[c], raw);
    }
    if (rc != SQLITE_DONE)
        raise(database);
    dataset->finishLoad();
    return dataset;
}

}  // namespace host
