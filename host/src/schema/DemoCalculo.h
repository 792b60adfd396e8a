#pragma once

#include "host/SqlDialect.h"

class QSqlDatabase;

namespace host::demo {

class DemoModel;

// The payroll calculation of every period: who was in it and where
// (FUNCPERCALCULO), the calculated events, their apportionment to other
// companies and cost centres, and the taxes of each employee.
class DemoCalculo {
public:
    static void gravar(QSqlDatabase& db, SqlDialect dialect, const DemoModel& model);
};

}  // namespace host::demo
