#include "host/TnDMSQLDataSet.h"

#include <QElapsedTimer>

#include <cstdio>

#include "DatabaseConnection.h"
#include "PositionalParams.h"
#include "QuerySource.h"

#include "host/HostError.h"
#include "host/SqlLiteral.h"
#include "host/SqlParameters.h"
#include "host/SqlTranslator.h"
#include "host/TnClientDataSet.h"

namespace host {

namespace {

// With DARVELO_LOG_SQL set, every query's time, row count and text go to
// standard error: the way to find what makes a report slow.
void logQuery(const QString& text, qint64 ms, int rows)
{
    static const bool enabled = qEnvironmentVariableIsSet("DARVELO_LOG_SQL");
    if (enabled)
        std::fprintf(stderr, "SQL %lld ms, %d linhas: %s\n", static_cast<long long>(ms), rows,
                     qPrintable(text.simplified()));
}

std::unique_ptr<TnDMSQLDataSet>& programConnection()
{
    static std::unique_ptr<TnDMSQLDataSet> connection;
    return connection;
}

FieldType typeOf(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
    case QMetaType::QDateTime:
        return FieldType::Date;
    case QMetaType::Double:
    case QMetaType::Float:
        return FieldType::Float;
    case QMetaType::QString:
    case QMetaType::QByteArray:
        return FieldType::Text;
    default:
        return value.canConvert<qlonglong>() ? FieldType::Integer : FieldType::Text;
    }
}

}  // namespace

TParams paramsByPosition(const QString& sql, const QVariantList& values, const TParams* known)
{
    TParams params;
    const QStringList names = SqlParameters::parse(sql).names();
    for (int i = 0; i < names.size() && i < values.size(); ++i) {
        const TParam* previous = known ? known->FindParam(names[i]) : nullptr;
        params.CreateParam(previous ? previous->tipo : typeOf(values[i]), names[i]).valor = values[i];
    }
    return params;
}

TnDMSQLDataSet::TnDMSQLDataSet(const ConnectionText& connection)
    : connection_(std::make_shared<DatabaseConnection>(connection))
{
}

TnDMSQLDataSet::TnDMSQLDataSet(const ConnectionText& connection, const std::atomic<bool>& stop)
    : connection_(std::make_shared<DatabaseConnection>(connection, &stop))
{
}

TnDMSQLDataSet::~TnDMSQLDataSet() = default;

const ConnectionText& TnDMSQLDataSet::conexao() const
{
    return connection_->text();
}

SqlDialect TnDMSQLDataSet::dialect() const
{
    return connection_->dialect();
}

QString TnDMSQLDataSet::describe() const
{
    return connection_->text().describe();
}

QString TnDMSQLDataSet::PegarSQL(const QString& text) const
{
    return SqlTranslator::translate(text, dialect());
}

std::unique_ptr<TnClientDataSet> TnDMSQLDataSet::ExecutarSQL(const QString& text) const
{
    return ExecutarSQL(text, TParams());
}

std::unique_ptr<TnClientDataSet> TnDMSQLDataSet::ExecutarSQL(const QString& text, const TParams& params) const
{
    QElapsedTimer timer;
    timer.start();
    auto dataset = connection_->run(text, params);
    logQuery(text, timer.elapsed(), dataset->RecordCount());
    dataset->setSource(std::make_unique<QuerySource>(connection_, text, params));
    return dataset;
}

std::unique_ptr<TnClientDataSet> TnDMSQLDataSet::ExecutarSQL(const QString& text, const QVariantList& values) const
{
    return ExecutarSQL(text, paramsByPosition(text, values, nullptr));
}

QVariant TnDMSQLDataSet::PegarValorCampo(const QString& table, const QString& expression,
                                         const QString& condition) const
{
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(expression, table);
    if (!condition.trimmed().isEmpty())
        sql += QStringLiteral(" WHERE ") + condition;
    return connection_->firstValue(PegarSQL(sql));
}

QString TnDMSQLDataSet::ValorParaSQL(const QVariant& value, FieldType type) const
{
    return host::ValorParaSQL(value, type, dialect());
}

void TnDMSQLDataSet::Conectar(const QString& connectionText)
{
    Conectar(ConnectionText::parse(connectionText));
}

void TnDMSQLDataSet::Conectar(const ConnectionText& connection)
{
    auto opened = std::make_unique<TnDMSQLDataSet>(connection);
    programConnection() = std::move(opened);
}

void TnDMSQLDataSet::DefinirInterrupcao(std::function<bool()> pedida)
{
    DatabaseConnection::setInterruption(std::move(pedida));
}

bool TnDMSQLDataSet::InterrupcaoPedida()
{
    return DatabaseConnection::interruptionRequested();
}

void TnDMSQLDataSet::Desconectar()
{
    programConnection().reset();
}

bool TnDMSQLDataSet::Conectado()
{
    return programConnection() != nullptr;
}

TnDMSQLDataSet& TnDMSQLDataSet::Padrao()
{
    if (!programConnection())
        throw HostError(QStringLiteral("Nenhum banco de dados conectado."));
    return *programConnection();
}

}  // namespace host
