#pragma once

#include "host/ConnectionText.h"
#include "host/FieldType.h"
#include "host/SqlDialect.h"

#include <QString>
#include <QVariant>

#include <atomic>
#include <functional>
#include <memory>

namespace host {

class DatabaseConnection;
class TnClientDataSet;
class TParams;

// The query services over one database connection. Everything is read-only:
// SQLite files are opened read-only and PostgreSQL sessions run read-only
// transactions, so nothing the system does can write to the payroll data.
class TnDMSQLDataSet {
public:
    explicit TnDMSQLDataSet(const ConnectionText& connection);  // opens; raises
    // A second session on the same database for a worker thread, which it
    // must be opened and used in. Its SQLite queries stop once `stop` is
    // set; the program's interruption check is not consulted.
    TnDMSQLDataSet(const ConnectionText& connection, const std::atomic<bool>& stop);
    ~TnDMSQLDataSet();
    TnDMSQLDataSet(const TnDMSQLDataSet&) = delete;
    TnDMSQLDataSet& operator=(const TnDMSQLDataSet&) = delete;

    SqlDialect dialect() const;
    QString describe() const;
    // The parameters it was opened with, for a second session.
    const ConnectionText& conexao() const;

    // The query text for this database: brace escapes and the constructs
    // the dialect lacks are translated.
    QString PegarSQL(const QString& text) const;
    // Runs a (translated, formatted) query. Parameters are :name markers;
    // values by position go to the distinct names in order of first
    // appearance, and surplus values are ignored. The dataset is positioned
    // on its first row and can be refreshed with new values.
    std::unique_ptr<TnClientDataSet> ExecutarSQL(const QString& text) const;
    std::unique_ptr<TnClientDataSet> ExecutarSQL(const QString& text, const TParams& params) const;
    std::unique_ptr<TnClientDataSet> ExecutarSQL(const QString& text, const QVariantList& values) const;
    // One value: SELECT expression FROM table [WHERE condition]; an invalid
    // QVariant when there is no row or the value is null.
    QVariant PegarValorCampo(const QString& table, const QString& expression, const QString& condition) const;
    QString ValorParaSQL(const QVariant& value, FieldType type) const;

    // The program's connection, used by the free query functions.
    static void Conectar(const QString& connectionText);
    static void Conectar(const ConnectionText& connection);
    static void Desconectar();
    static bool Conectado();
    static TnDMSQLDataSet& Padrao();  // raises when not connected
    // Asked over and over while an SQLite query runs: once it says yes, the
    // query stops and raises as a failed one, so a long query does not
    // hold up a cancel. Empty (the default) never stops a query.
    static void DefinirInterrupcao(std::function<bool()> pedida);
    // Whether the check given to DefinirInterrupcao asks to stop now.
    static bool InterrupcaoPedida();

private:
    std::shared_ptr<DatabaseConnection> connection_;
};

}  // namespace host
