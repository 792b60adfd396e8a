#include "host/QueryServices.h"

#include "DatabaseConnection.h"
#include "PositionalParams.h"
#include "QuerySource.h"

#include "host/HostError.h"
#include "host/TParams.h"
#include "host/TnClientDataSet.h"
#include "host/TnDMSQLDataSet.h"

namespace host {

QString PegarSQL(const QString& text)
{
    return TnDMSQLDataSet::Padrao().PegarSQL(text);
}

std::unique_ptr<TnClientDataSet> ExecutarSQL(const QString& text)
{
    return TnDMSQLDataSet::Padrao().ExecutarSQL(text);
}

std::unique_ptr<TnClientDataSet> ExecutarSQL(const QString& text, const TParams& params)
{
    return TnDMSQLDataSet::Padrao().ExecutarSQL(text, params);
}

std::unique_ptr<TnClientDataSet> ExecutarSQL(const QString& text, const QVariantList& values)
{
    return TnDMSQLDataSet::Padrao().ExecutarSQL(text, values);
}

void RefreshSQL(TnClientDataSet& dataset, const QVariantList& values, bool reposition)
{
    auto* source = dynamic_cast<QuerySource*>(dataset.source());
    if (!source)
        throw HostError(QStringLiteral("O conjunto de dados não veio de uma consulta."));
    const std::shared_ptr<DatabaseConnection> connection = source->connection.lock();
    if (!connection)
        throw HostError(QStringLiteral("A conexão que abriu a consulta foi encerrada."));
    TParams params = paramsByPosition(source->sql, values, &source->params);
    std::vector<FieldDef> fields;
    for (int i = 0; i < dataset.FieldCount(); ++i)
        fields.push_back(FieldDef{dataset.Fields(i).FieldName(), dataset.Fields(i).DataType()});
    auto fresh = connection->run(source->sql, params, &fields);
    source->params = std::move(params);
    dataset.replaceRows(std::move(*fresh));
    if (reposition)
        dataset.First();
}

void DestruirSQL(std::unique_ptr<TnClientDataSet>& dataset)
{
    dataset.reset();
}

TnClientDataSet& CDS(const std::unique_ptr<TnClientDataSet>& dataset)
{
    if (!dataset)
        throw HostError(QStringLiteral("Conjunto de dados não aberto."));
    return *dataset;
}

QVariant PegarValorCampo(const QString& table, const QString& expression, const QString& condition)
{
    return TnDMSQLDataSet::Padrao().PegarValorCampo(table, expression, condition);
}

QString ValorParaSQL(const QVariant& value, FieldType type)
{
    return TnDMSQLDataSet::Padrao().ValorParaSQL(value, type);
}

}  // namespace host
