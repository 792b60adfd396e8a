#pragma once

#include "host/SqlDialect.h"

class QSqlDatabase;

namespace host::demo {

class DemoModel;

// Companies and what hangs on them: establishments, organogram, the payroll
// configuration of company and establishment, GPS tables, links to other
// companies and the payroll periods.
class DemoEmpresas {
public:
    static void gravar(QSqlDatabase& db, SqlDialect dialect, const DemoModel& model);
};

}  // namespace host::demo
