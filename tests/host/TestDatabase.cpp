#include "TestDatabase.h"

#include "PostgresTestServer.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <atomic>
#include <stdexcept>

namespace host::testing {

namespace {

QString uniqueName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("host_sql_test_%1").arg(++counter);
}

[[noreturn]] void fail(const QString& what, const QSqlError& error, const QString& sql)
{
    throw std::runtime_error((what + QStringLiteral(": ") + error.text() + QStringLiteral("\n") + sql).toStdString());
}

}  // namespace

std::unique_ptr<TestDatabase> TestDatabase::open(SqlDialect dialect, const QString& postgresDatabase)
{
    const QString name = uniqueName();
    if (dialect == SqlDialect::PostgreSQL) {
        std::unique_ptr<TestDatabase> result(new TestDatabase(name, dialect));
        postgresSession(name, postgresDatabase);
        return result;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    std::unique_ptr<TestDatabase> result(new TestDatabase(name, dialect));
    db.setDatabaseName(QStringLiteral(":memory:"));
    if (!db.open()) {
        fail(QStringLiteral("open"), db.lastError(), name);
    }
    return result;
}

TestDatabase::~TestDatabase()
{
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

QSqlDatabase TestDatabase::database() const
{
    return QSqlDatabase::database(name_, false);
}

void TestDatabase::exec(const QString& sql) const
{
    QSqlQuery query(database());
    if (!query.exec(sql)) {
        fail(QStringLiteral("exec"), query.lastError(), sql);
    }
}

QStringList TestDatabase::columnNames(const QString& sql) const
{
    QSqlQuery query(database());
    if (!query.exec(sql)) {
        fail(QStringLiteral("query"), query.lastError(), sql);
    }
    QStringList names;
    for (int i = 0; i < query.record().count(); ++i) {
        names << query.record().fieldName(i);
    }
    return names;
}

QVector<QVariantList> TestDatabase::rows(const QString& sql) const
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(sql)) {
        fail(QStringLiteral("query"), query.lastError(), sql);
    }
    QVector<QVariantList> result;
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < query.record().count(); ++i) {
            row.append(query.value(i));
        }
        result.append(row);
    }
    return result;
}

QVariant TestDatabase::scalar(const QString& sql) const
{
    const QVector<QVariantList> result = rows(sql);
    if (result.size() != 1 || result.front().isEmpty()) {
        throw std::runtime_error(("expected one value from: " + sql).toStdString());
    }
    return result.front().front();
}

}  // namespace host::testing
