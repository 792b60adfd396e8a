#pragma once

#include "host/DataSetSource.h"
#include "host/TParams.h"

#include <QString>

#include <memory>

namespace host {

class DatabaseConnection;

// What a dataset needs to be refreshed: its query, its parameters and the
// connection that ran it (which may have been closed since).
class QuerySource : public DataSetSource {
public:
    QuerySource(std::weak_ptr<DatabaseConnection> connection, QString sql, TParams params)
        : connection(std::move(connection)), sql(std::move(sql)), params(std::move(params))
    {
    }

    std::weak_ptr<DatabaseConnection> connection;
    QString sql;
    TParams params;
};

}  // namespace host
