#pragma once

#include "host/SqlDialect.h"

class QSqlDatabase;

namespace host::demo {

class DemoModel;

// People, contracts and every history of an employee: location, accounting
// location, work card, position, schedule, salary, union, annuity and the
// vacation receipts.
class DemoFuncionarios {
public:
    static void gravar(QSqlDatabase& db, SqlDialect dialect, const DemoModel& model);
};

}  // namespace host::demo
