#pragma once

#include "PostgresTestServer.h"
#include "TestDatabase.h"

#include "host/SqlDialect.h"

#include <gtest/gtest.h>

#include <QDate>

#include <memory>

namespace host::testing {

// A test that runs once on SQLite and once on PostgreSQL (skipped, visibly,
// when no PostgreSQL server is configured).
class DialectTest : public DialectCase {
protected:
    void SetUp() override
    {
        DialectCase::SetUp();
        if (!IsSkipped()) {
            db_ = TestDatabase::open(GetParam());
        }
    }

    SqlDialect dialect() const { return GetParam(); }
    const TestDatabase& db() const { return *db_; }

    // A date column reads as a QDate on PostgreSQL and as 'yyyy-MM-dd' text on SQLite.
    static QDate asDate(const QVariant& value)
    {
        return value.typeId() == QMetaType::QDate ? value.toDate() : QDate::fromString(value.toString(), Qt::ISODate);
    }

private:
    std::unique_ptr<TestDatabase> db_;
};

}  // namespace host::testing
