#pragma once

#include "host/FieldDef.h"

#include <QString>
#include <QVariant>

#include <memory>
#include <stdexcept>
#include <vector>

class QSqlDatabase;
struct sqlite3;

namespace host {

class TnClientDataSet;

// Reads a query's rows straight through SQLite's own interface. Qt's driver
// hands every value over as a QVariant, which on a movement table of a
// million rows costs as much as running the query; here integers, floats
// and texts go into the dataset's columns as they come. Types and
// conversions are the loader's, so a dataset is the same either way.
class SqliteReader {
public:
    struct Error : std::runtime_error {
        explicit Error(const QString& message) : std::runtime_error(message.toStdString()), text(message) {}
        QString text;
    };

    // The open connection's handle, or null when it is not SQLite's.
    static sqlite3* handle(const QSqlDatabase& database);
    // Runs the text (parameters as "?", bound in order) and loads its rows.
    static std::unique_ptr<TnClientDataSet> load(sqlite3* database, const QString& sql,
                                                 const std::vector<QVariant>& values,
                                                 const std::vector<FieldDef>* fixedFields);
};

}  // namespace host
