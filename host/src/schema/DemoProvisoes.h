#pragma once

#include "host/SqlDialect.h"

class QSqlDatabase;

namespace host::demo {

class DemoModel;

// Vacation and 13th-salary provisions of every employee and month, in the
// old vacation tables and the day-based ones, with the apportioned tables
// for the companies that apportion.
class DemoProvisoes {
public:
    static void gravar(QSqlDatabase& db, SqlDialect dialect, const DemoModel& model);
};

}  // namespace host::demo
