#include "PgReader.h"

#include "DriverHandle.h"
#include "QueryLoader.h"
#include "RowLoading.h"

#include "host/TnClientDataSet.h"

#include <QDateTime>

#include <libpq-fe.h>

#include <charconv>
#include <cmath>

namespace host {

namespace {

// How a column's server type reads, by the type's fixed catalogue number.
enum class Kind { Boolean, Integer, Number, Date, Timestamp, Bytes, Text };

Kind kindOf(Oid type)
{
    switch (type) {
    case 16:  // bool
        return Kind::Boolean;
    case 20:  // int8
    case 21:  // int2
    case 23:  // int4
    case 26:  // oid
        return Kind::Integer;
    case 700:   // float4
    case 701:   // float8
    case 1700:  // numeric
        return Kind::Number;
    case 1082:  // date
        return Kind::Date;
    case 1114:  // timestamp
    case 1184:  // timestamptz
        return Kind::Timestamp;
    case 17:  // bytea
        return Kind::Bytes;
    default:
        return Kind::Text;
    }
}

using Result = std::unique_ptr<PGresult, decltype(&PQclear)>;

Result take(PGconn* connection)
{
    return Result(PQgetResult(connection), &PQclear);
}

QString stateOf(const PGresult* result)
{
    return QString::fromLatin1(PQresultErrorField(result, PG_DIAG_SQLSTATE));
}

// A whole value or nothing. For doubles the server writes "NaN",
// "Infinity" and "-Infinity", which from_chars reads too.
template <class Number>
bool readAll(const char* p, int n, Number& value)
{
    const auto [end, error] = std::from_chars(p, p + n, value);
    return error == std::errc() && end == p + n;
}

// A query's rows in single-row mode: each row is its own result, freed when
// the next one is read, so the rows are converted while the server is still
// sending and never held twice.
class PgRows {
public:
    explicit PgRows(PGconn* connection) : connection_(connection), row_(nullptr, &PQclear) {}
    PgRows(const PgRows&) = delete;
    PgRows& operator=(const PgRows&) = delete;
    // A failure halfway leaves results behind, which must be read before
    // the session takes another query.
    ~PgRows() { drain(); }

    bool next()
    {
        if (done_)
            return false;
        row_ = take(connection_);
        const ExecStatusType status = row_ ? PQresultStatus(row_.get()) : PGRES_TUPLES_OK;
        if (status == PGRES_SINGLE_TUPLE) {
            learnKinds();
            return true;
        }
        if (status == PGRES_TUPLES_OK || status == PGRES_COMMAND_OK) {
            // The closing result still describes the columns of an empty answer.
            if (row_)
                learnKinds();
            done_ = true;
            drain();
            return false;
        }
        const QString message = QString::fromUtf8(PQresultErrorMessage(row_.get())).trimmed();
        const QString state = stateOf(row_.get());
        row_.reset();
        drain();
        throw PgReader::Error(message.isEmpty() ? QString::fromUtf8(PQerrorMessage(connection_)).trimmed() : message,
                              state, PQstatus(connection_) == CONNECTION_BAD);
    }

    int columns() const { return static_cast<int>(kinds_.size()); }
    QString name(int c) const { return QString::fromUtf8(PQfname(row_.get(), c)); }

    // The value as Qt's driver would have given it.
    QVariant value(int c) const
    {
        if (PQgetisnull(row_.get(), 0, c))
            return QVariant(QMetaType(QMetaType::QString));
        const char* p = PQgetvalue(row_.get(), 0, c);
        const int n = PQgetlength(row_.get(), 0, c);
        switch (kinds_[c]) {
        case Kind::Boolean:
            return QVariant(p[0] == 't');
        case Kind::Integer: {
            qint64 number = 0;
            return readAll(p, n, number) ? QVariant(qlonglong(number)) : QVariant();
        }
        case Kind::Number: {
            double number = 0;
            return readAll(p, n, number) ? QVariant(number) : QVariant();
        }
        case Kind::Date: {
            QDate date;
            return QVariant(readIsoDate(p, n, date) ? date : QDate());
        }
        case Kind::Timestamp: {
            QDate date;
            if (!readIsoDate(p, n, date))
                return QVariant(QDateTime());
            const QTime time = n >= 19 ? QTime::fromString(QString::fromLatin1(p + 11, 8), u"HH:mm:ss") : QTime();
            return QVariant(QDateTime(date, time.isValid() ? time : QTime(0, 0)));
        }
        case Kind::Bytes:
            return QVariant(bytes(p));
        case Kind::Text:
            break;
        }
        return QVariant(QString::fromUtf8(p, n));
    }

    // The common cases straight into the column; everything else (and every
    // value that does not fit its field) goes through the loader's
    // conversion, which also raises its errors.
    void append(TnClientDataSet& dataset, int c, const FieldDef& field) const
    {
        if (PQgetisnull(row_.get(), 0, c)) {
            dataset.appendNull(c);
            return;
        }
        const char* p = PQgetvalue(row_.get(), 0, c);
        const int n = PQgetlength(row_.get(), 0, c);
        if (appendDirect(dataset, c, field.type, kinds_[c], p, n))
            return;
        QueryLoader::append(dataset, c, field.type, value(c), field.name);
    }

private:
    static bool appendDirect(TnClientDataSet& dataset, int c, FieldType type, Kind kind, const char* p, int n)
    {
        qint64 integer = 0;
        double number = 0;
        QDate date;
        switch (type) {
        case FieldType::Integer:
            if (kind == Kind::Integer && readAll(p, n, integer)) {
                dataset.appendInteger(c, integer);
                return true;
            }
            // Sums of whole numbers come back as numerics.
            if (kind == Kind::Number && readAll(p, n, number) && number == std::trunc(number)
                && std::fabs(number) < 9.2e18) {
                dataset.appendInteger(c, static_cast<qint64>(number));
                return true;
            }
            return false;
        case FieldType::Float:
            if (kind == Kind::Number && readAll(p, n, number)) {
                dataset.appendFloat(c, number);
                return true;
            }
            if (kind == Kind::Integer && readAll(p, n, integer)) {
                dataset.appendFloat(c, static_cast<double>(integer));
                return true;
            }
            return false;
        case FieldType::Text:
            if (kind != Kind::Text)
                return false;
            dataset.appendUtf8Text(c, p, n);
            return true;
        case FieldType::Date:
            if ((kind != Kind::Date && kind != Kind::Timestamp) || !readIsoDate(p, n, date))
                return false;
            dataset.appendDate(c, date);
            return true;
        }
        return false;
    }

    static QByteArray bytes(const char* escaped)
    {
        std::size_t length = 0;
        std::unique_ptr<unsigned char, decltype(&PQfreemem)> raw(
            PQunescapeBytea(reinterpret_cast<const unsigned char*>(escaped), &length), &PQfreemem);
        return raw ? QByteArray(reinterpret_cast<const char*>(raw.get()), static_cast<qsizetype>(length))
                   : QByteArray();
    }

    void learnKinds()
    {
        if (!kinds_.empty() || PQnfields(row_.get()) == 0)
            return;
        for (int c = 0; c < PQnfields(row_.get()); ++c)
            kinds_.push_back(kindOf(PQftype(row_.get(), c)));
    }

    void drain()
    {
        while (take(connection_)) {
        }
    }

    PGconn* connection_;
    Result row_;
    std::vector<Kind> kinds_;
    bool done_ = false;
};

// A bound value as the server reads it in text.
QByteArray textOf(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate().toString(Qt::ISODate).toLatin1();
    case QMetaType::Double:
        return QByteArray::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    default:
        return value.toString().toUtf8();
    }
}

}  // namespace

PGconn* PgReader::handle(const QSqlDatabase& database)
{
    return driverHandle<PGconn>(database, "pg_conn*");
}

std::unique_ptr<TnClientDataSet> PgReader::load(PGconn* connection, const QString& sql,
                                                const std::vector<QVariant>& values,
                                                const std::vector<FieldDef>* fixedFields)
{
    std::vector<QByteArray> texts;
    texts.reserve(values.size());
    std::vector<const char*> pointers;
    for (const QVariant& value : values) {
        const bool null = !value.isValid() || value.isNull();
        texts.push_back(null ? QByteArray() : textOf(value));
        pointers.push_back(null ? nullptr : texts.back().constData());
    }
    const QByteArray text = sql.toUtf8();
    // Without parameters the text goes as it is, as Qt's driver sends it, and
    // may hold more than one statement. With them, types are left to the
    // server, which takes them from where each parameter stands, as it does
    // for a statement Qt's driver prepares.
    const int sent = values.empty() ? PQsendQuery(connection, text.constData())
                                    : PQsendQueryParams(connection, text.constData(), static_cast<int>(pointers.size()),
                                                        nullptr, pointers.data(), nullptr, nullptr, 0);
    if (!sent) {
        throw Error(QString::fromUtf8(PQerrorMessage(connection)).trimmed(), {},
                    PQstatus(connection) == CONNECTION_BAD);
    }
    PgRows rows(connection);
    if (!PQsetSingleRowMode(connection))
        throw Error(QStringLiteral("O modo de leitura linha a linha foi recusado."), {}, false);
    return loadRows(rows, fixedFields);
}

}  // namespace host
