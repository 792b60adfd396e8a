#pragma once

#include "host/ConnectionText.h"
#include "host/TParams.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

namespace host {

class TnClientDataSet;
struct FieldDef;

// One open, read-only database session. Queries are run from here and their
// rows loaded into client datasets.
class DatabaseConnection : public std::enable_shared_from_this<DatabaseConnection> {
public:
    // A session with a stop flag of its own listens to that flag only: it
    // runs in a thread of its own, where the program's interruption check
    // (made for the user-interface thread) must not be called.
    explicit DatabaseConnection(const ConnectionText& text, const std::atomic<bool>* stop = nullptr);
    ~DatabaseConnection();
    DatabaseConnection(const DatabaseConnection&) = delete;
    DatabaseConnection& operator=(const DatabaseConnection&) = delete;

    const ConnectionText& text() const { return text_; }
    SqlDialect dialect() const { return text_.dialect; }

    // Runs the query with the parameters by name; fixedFields, when given,
    // are the field types the rows must take (a refresh keeps its fields).
    std::unique_ptr<TnClientDataSet> run(const QString& sql, const TParams& params,
                                         const std::vector<FieldDef>* fixedFields = nullptr);
    QVariant firstValue(const QString& sql);

    // Consulted by every SQLite session every few thousand steps of a query.
    static void setInterruption(std::function<bool()> requested);
    // The program's interruption check, asked from the thread that set it.
    static bool interruptionRequested();

private:
    void open();
    void tuneSqlite(class QSqlDatabase& db) const;
    [[noreturn]] void fail(const QString& what, const class QSqlError& error, const QString& sql) const;

    ConnectionText text_;
    QString name_;
    bool opened_ = false;
    const std::atomic<bool>* stop_ = nullptr;
};

}  // namespace host
