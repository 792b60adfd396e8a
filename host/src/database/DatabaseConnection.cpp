#include "DatabaseConnection.h"

#include "PgReader.h"
#include "QueryLoader.h"
#include "SqliteReader.h"

#include "host/DateRoutines.h"
#include "host/HostError.h"
#include "host/SqlParameters.h"
#include "host/TnClientDataSet.h"

#include <QAtomicInteger>
#include <QDate>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <libpq-fe.h>
#include <sqlite3.h>

namespace host {

namespace {

QString nextConnectionName()
{
    static QAtomicInteger<int> counter;
    return QStringLiteral("darvelo-%1").arg(counter.fetchAndAddRelaxed(1));
}

QDate toDate(const QVariant& value, const QString& name)
{
    const QDateTime moment = VarToDateTimeDef(value, QDateTime());
    if (!moment.isValid())
        throw HostError(QStringLiteral("Valor de data inválido para o parâmetro %1: '%2'").arg(name, value.toString()));
    return moment.date();
}

// Dates are bound as dates only: the schema holds no times, and a bound
// time (Qt writes 2023-05-01T00:00:00.000) would make SQLite's text
// comparison drop the first day of a BETWEEN.
QVariant bindValue(const TParam& param, SqlDialect dialect)
{
    const QVariant& value = param.valor;
    if (!value.isValid() || value.isNull())
        return QVariant(QMetaType(QMetaType::QString));
    switch (param.tipo) {
    case FieldType::Date: {
        const QDate date = toDate(value, param.nome);
        return dialect == SqlDialect::SQLite ? QVariant(date.toString(Qt::ISODate)) : QVariant(date);
    }
    case FieldType::Integer: {
        bool ok = false;
        const qlonglong number = value.toLongLong(&ok);
        if (!ok || value.toDouble() != double(number))
            throw HostError(QStringLiteral("Valor inteiro inválido para o parâmetro %1: '%2'")
                                .arg(param.nome, value.toString()));
        return number;
    }
    case FieldType::Float:
        return value.toDouble();
    case FieldType::Text:
        return value.toString();
    }
    return value;
}

}  // namespace

DatabaseConnection::DatabaseConnection(const ConnectionText& text, const std::atomic<bool>* stop)
    : text_(text), name_(nextConnectionName()), stop_(stop)
{
    try {
        open();
    } catch (...) {
        QSqlDatabase::removeDatabase(name_);
        throw;
    }
}

DatabaseConnection::~DatabaseConnection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

// A report reads most of a company's payroll: the sorts and groupings of
// its queries stay in memory instead of temporary files, and the file is
// read through a memory map rather than a system call per page. Nothing is
// written, so neither risks the data.
namespace {

std::function<bool()>& interruption()
{
    static std::function<bool()> requested;
    return requested;
}

// Runs in the thread of the query: a non-zero answer stops it.
int askInterruption(void* session)
{
    if (const std::atomic<bool>* stop = static_cast<const std::atomic<bool>*>(session))
        return stop->load(std::memory_order_relaxed) ? 1 : 0;
    const std::function<bool()>& requested = interruption();
    return requested && requested() ? 1 : 0;
}

constexpr int kStepsBetweenChecks = 10000;

}  // namespace

void DatabaseConnection::setInterruption(std::function<bool()> requested)
{
    interruption() = std::move(requested);
}

bool DatabaseConnection::interruptionRequested()
{
    const std::function<bool()>& requested = interruption();
    return requested && requested();
}

void DatabaseConnection::tuneSqlite(QSqlDatabase& db) const
{
    if (sqlite3* handle = SqliteReader::handle(db)) {
        sqlite3_progress_handler(handle, kStepsBetweenChecks, askInterruption,
                                 const_cast<std::atomic<bool>*>(stop_));
    }
    // The sorts and DISTINCTs of a large company's queries go to temporary
    // files, which the system caches, not to the heap: kept in memory they
    // add some 40 MB to a 50,000-employee run, on top of the datasets.
    for (const char* pragma : {"PRAGMA temp_store = FILE"}) {
        QSqlQuery query(db);
        if (!query.exec(QString::fromLatin1(pragma)))
            fail(QStringLiteral("Não foi possível configurar o banco de dados"), query.lastError(), {});
    }
}

void DatabaseConnection::open()
{
    if (text_.dialect == SqlDialect::SQLite) {
        if (!QFileInfo(text_.path).isFile())
            throw HostError(QStringLiteral("Banco de dados não encontrado: %1").arg(text_.path));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(text_.path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open())
            fail(QStringLiteral("Não foi possível abrir o banco de dados"), db.lastError(), {});
        opened_ = true;
        // Opening succeeds on any file; the first read tells whether it is a database.
        firstValue(QStringLiteral("SELECT COUNT(*) FROM sqlite_master"));
        tuneSqlite(db);
        return;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name_);
    if (!db.isValid())
        throw HostError(QStringLiteral("O driver PostgreSQL do Qt (QPSQL) não está instalado."));
    text_.applyTo(db);
    QString options = QStringLiteral("connect_timeout=10");
    if (!text_.options.isEmpty())
        options += QLatin1Char(';') + text_.options;
    db.setConnectOptions(options);
    if (!db.open())
        fail(QStringLiteral("Não foi possível conectar ao banco de dados"), db.lastError(), {});
    opened_ = true;
    QSqlQuery readOnly(db);
    if (!readOnly.exec(QStringLiteral("SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY")))
        fail(QStringLiteral("Não foi possível abrir a sessão somente leitura"), readOnly.lastError(), {});
}

void DatabaseConnection::fail(const QString& what, const QSqlError& error, const QString& sql) const
{
    const QSqlDatabase db = QSqlDatabase::database(name_, false);
    // Only a session that was once open can be lost; a refused first
    // connection keeps the server's own reason under "could not connect".
    // SQLSTATE class 08 is a connection exception; 57P01-57P03 an ended
    // server session (administrator, crash, shutdown).
    const QString state = error.nativeErrorCode();
    const bool lost = opened_ && (error.type() == QSqlError::ConnectionError || (db.isValid() && !db.isOpen())
                      || state.startsWith(QLatin1String("08")) || state.startsWith(QLatin1String("57P"))
                      || error.text().contains(QLatin1String("server closed the connection"))
                      || error.text().contains(QLatin1String("no connection to the server")));
    QString message = lost ? QStringLiteral("Conexão com o banco de dados perdida (%1): %2")
                                 .arg(text_.describe(), error.text().trimmed())
                           : QStringLiteral("%1 (%2): %3").arg(what, text_.describe(), error.text().trimmed());
    if (!sql.isEmpty())
        message += QStringLiteral("\nConsulta: ") + sql.simplified().left(300);
    throw HostError(message);
}

std::unique_ptr<TnClientDataSet> DatabaseConnection::run(const QString& sql, const TParams& params,
                                                         const std::vector<FieldDef>* fixedFields)
{
    const SqlParameters parsed = SqlParameters::parse(sql);
    std::vector<QVariant> values;
    for (const QString& name : parsed.occurrences()) {
        const TParam* param = params.FindParam(name);
        if (!param)
            throw HostError(QStringLiteral("Parâmetro sem valor: %1").arg(name));
        values.push_back(bindValue(*param, text_.dialect));
    }
    const QString text = parsed.occurrences().isEmpty() ? sql : parsed.positionalText();
    const QSqlDatabase db = QSqlDatabase::database(name_, false);
    if (sqlite3* handle = SqliteReader::handle(db)) {
        try {
            return SqliteReader::load(handle, text, values, fixedFields);
        } catch (const SqliteReader::Error& error) {
            fail(QStringLiteral("Falha ao consultar o banco de dados"),
                 QSqlError(QString(), error.text, QSqlError::StatementError), sql);
        }
    }
    if (PGconn* handle = PgReader::handle(db)) {
        try {
            return PgReader::load(handle, parsed.occurrences().isEmpty() ? sql : parsed.numberedText(), values,
                                  fixedFields);
        } catch (const PgReader::Error& error) {
            fail(QStringLiteral("Falha ao consultar o banco de dados"),
                 QSqlError(QString(), error.text, error.lost ? QSqlError::ConnectionError : QSqlError::StatementError,
                           error.state),
                 sql);
        }
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    bool ok = false;
    if (values.empty()) {
        ok = query.exec(sql);
    } else {
        if (!query.prepare(text))
            fail(QStringLiteral("Consulta inválida"), query.lastError(), sql);
        for (const QVariant& value : values)
            query.addBindValue(value);
        ok = query.exec();
    }
    if (!ok)
        fail(QStringLiteral("Falha ao consultar o banco de dados"), query.lastError(), sql);
    return QueryLoader::load(query, fixedFields);
}

QVariant DatabaseConnection::firstValue(const QString& sql)
{
    QSqlQuery query(QSqlDatabase::database(name_, false));
    query.setForwardOnly(true);
    query.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    if (!query.exec(sql))
        fail(QStringLiteral("Falha ao consultar o banco de dados"), query.lastError(), sql);
    if (!query.next() || query.value(0).isNull())
        return {};
    return query.value(0);
}

}  // namespace host
