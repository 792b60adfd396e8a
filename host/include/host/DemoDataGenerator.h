#pragma once

#include "host/SqlDialect.h"

#include <QString>
#include <QtGlobal>

class QSqlDatabase;

namespace host {

// The size and seed of a demonstration payroll database.
struct DemoDataOptions {
    quint32 seed = 2023;
    int empresas = 4;
    int estabelecimentos = 3;  // per company
    int funcionarios = 40;     // per company, numbered from 100
    int periodos = 14;         // months from November 2023, plus the 13th-salary periods
    int eventosPorFuncionario = 10;
    double parcelaRateio = 0.5;  // share of companies with apportionment
    int historicos = 3;          // records per employee per history table
};

// Builds the payroll schema and fills it with made-up but consistent data.
// The same seed and options give the same rows on any machine and database.
class DemoDataGenerator {
public:
    // Drops the schema's tables, creates them again and fills them, all in
    // one transaction. Raises HostError on a database failure or bad options.
    static void gerar(QSqlDatabase& db, SqlDialect dialect, const DemoDataOptions& options);

    // Writes a new SQLite file: it is built next to the path (path + ".tmp")
    // and only then renamed over it, so a reader never sees half a database.
    static void criarSqlite(const QString& path, const DemoDataOptions& options);
};

}  // namespace host
