// Fetching a large query result from SQLite into a client dataset.

#include "host/TnClientDataSet.h"
#include "host/TnDMSQLDataSet.h"

#include <benchmark/benchmark.h>

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

namespace {

constexpr int kRows = 1'000'000;

// A table of 8 columns: four integers, two reals, a date and a short text,
// the mix of a payroll movement.
QString buildDatabase(const QTemporaryDir& folder)
{
    const QString path = folder.filePath(QStringLiteral("bench.sqlite"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-build"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        query.exec(QStringLiteral("CREATE TABLE CalculoEvento (CodigoEmpresa INTEGER, CodigoPerCalculo INTEGER, "
                                  "CodigoFuncContr INTEGER, CodigoEvento INTEGER, BaseEvento NUMERIC(18, 2), "
                                  "ValorEvento NUMERIC(18, 2), Compet DATE, ClassifOrgan VARCHAR(20))"));
        db.transaction();
        query.prepare(QStringLiteral("INSERT INTO CalculoEvento VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        for (int i = 0; i < kRows; ++i) {
            query.addBindValue(1 + i % 7);
            query.addBindValue(1 + i % 12);
            query.addBindValue(100 + i / 40);
            query.addBindValue(1 + i % 40);
            query.addBindValue(1000.0 + (i % 997) * 0.25);
            query.addBindValue((i % 1013) * 1.5);
            query.addBindValue(QDate(2024, 1 + i % 12, 1).toString(Qt::ISODate));
            query.addBindValue(QStringLiteral("01.%1").arg(i % 30, 2, 10, QLatin1Char('0')));
            query.exec();
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-build"));
    return path;
}

void BM_FetchMillionRowsFromSqlite(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = buildDatabase(folder);
    host::TnDMSQLDataSet services(host::ConnectionText::parse(QStringLiteral("sqlite:") + path));
    for (auto _ : state) {
        auto data = services.ExecutarSQL(QStringLiteral("SELECT * FROM CalculoEvento"));
        benchmark::DoNotOptimize(data->RecordCount());
    }
    state.counters["rows"] = kRows;
}
BENCHMARK(BM_FetchMillionRowsFromSqlite)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
