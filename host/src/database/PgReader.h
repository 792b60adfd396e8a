#pragma once

#include "host/FieldDef.h"

#include <QString>
#include <QVariant>

#include <memory>
#include <stdexcept>
#include <vector>

class QSqlDatabase;
struct pg_conn;

namespace host {

class TnClientDataSet;

// Reads a query's rows straight through libpq, on the session Qt's driver
// opened. The driver turns every value of every row into a QVariant, which on
// the events of 50,000 employees costs more than the server's work; here
// numbers, dates and texts go from the server's text into the dataset's
// columns once. Types and conversions are the loader's, so a dataset is the
// same either way.
class PgReader {
public:
    struct Error : std::runtime_error {
        Error(const QString& message, const QString& state, bool lost)
            : std::runtime_error(message.toStdString()), text(message), state(state), lost(lost)
        {
        }
        QString text;
        QString state;  // the SQLSTATE, when the server sent one
        bool lost;      // the session is gone
    };

    // The open connection's handle, or null when it is not PostgreSQL's.
    static pg_conn* handle(const QSqlDatabase& database);
    // Runs the text (parameters as "$1", "$2"..., bound in order) and loads
    // its rows.
    static std::unique_ptr<TnClientDataSet> load(pg_conn* connection, const QString& sql,
                                                 const std::vector<QVariant>& values,
                                                 const std::vector<FieldDef>* fixedFields);
};

}  // namespace host
