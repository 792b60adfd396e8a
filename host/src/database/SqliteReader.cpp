#include "SqliteReader.h"

#include "DriverHandle.h"
#include "QueryLoader.h"
#include "RowLoading.h"

#include "host/HostError.h"
#include "host/TnClientDataSet.h"

#include <QDate>

#include <sqlite3.h>

#include <cmath>

namespace host {

namespace {

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

bool isoDate(sqlite3_stmt* statement, int column, QDate& date)
{
    return readIsoDate(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                       sqlite3_column_bytes(statement, column), date);
}

// The common cases straight into the column; everything else (and every
// value that does not fit its field) goes through the loader's conversion,
// which also raises its errors.
void appendValue(TnClientDataSet& dataset, int column, const FieldDef& field, sqlite3_stmt* statement)
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

// A prepared statement's rows, stepped as the loader asks for them.
class SqliteRows {
public:
    SqliteRows(sqlite3* database, sqlite3_stmt* statement) : database_(database), statement_(statement) {}

    bool next()
    {
        const int rc = sqlite3_step(statement_);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            raise(database_);
        return rc == SQLITE_ROW;
    }
    int columns() const { return sqlite3_column_count(statement_); }
    QString name(int c) const { return QString::fromUtf8(sqlite3_column_name(statement_, c)); }
    QVariant value(int c) const { return variantOf(statement_, c); }
    void append(TnClientDataSet& dataset, int c, const FieldDef& field) const
    {
        appendValue(dataset, c, field, statement_);
    }

private:
    sqlite3* database_;
    sqlite3_stmt* statement_;
};

}  // namespace

sqlite3* SqliteReader::handle(const QSqlDatabase& database)
{
    return driverHandle<sqlite3>(database, "sqlite3*");
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

    SqliteRows rows(database, raw);
    return loadRows(rows, fixedFields);
}

}  // namespace host
