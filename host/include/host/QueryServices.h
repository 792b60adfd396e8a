#pragma once

#include "host/FieldType.h"

#include <QString>
#include <QVariant>

#include <memory>

namespace host {

class TnClientDataSet;
class TParams;

// The query services of the program's connection (TnDMSQLDataSet::Conectar).
QString PegarSQL(const QString& text);
std::unique_ptr<TnClientDataSet> ExecutarSQL(const QString& text);
std::unique_ptr<TnClientDataSet> ExecutarSQL(const QString& text, const TParams& params);
std::unique_ptr<TnClientDataSet> ExecutarSQL(const QString& text, const QVariantList& values);
// Re-runs the dataset's query with new parameter values, on the connection
// that made it, keeping its fields and index field names.
void RefreshSQL(TnClientDataSet& dataset, const QVariantList& values, bool reposition = true);
// Frees the dataset and empties the reference; an empty one is left alone.
void DestruirSQL(std::unique_ptr<TnClientDataSet>& dataset);
// The dataset behind a reference; raises when it holds none.
TnClientDataSet& CDS(const std::unique_ptr<TnClientDataSet>& dataset);
QVariant PegarValorCampo(const QString& table, const QString& expression, const QString& condition);
QString ValorParaSQL(const QVariant& value, FieldType type);

}  // namespace host
