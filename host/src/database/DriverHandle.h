#pragma once

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

namespace host {

// The native handle of an open connection's driver, when the driver is the
// one whose handle Qt names typeName ("sqlite3*", "pg_conn*"); null otherwise.
template <class Handle>
Handle* driverHandle(const QSqlDatabase& database, const char* typeName)
{
    if (!database.isOpen() || !database.driver())
        return nullptr;
    const QVariant value = database.driver()->handle();
    if (!value.isValid() || qstrcmp(value.typeName(), typeName) != 0)
        return nullptr;
    return *static_cast<Handle* const*>(value.constData());
}

}  // namespace host
