#include "host/TnClientDataSet.h"

#include <benchmark/benchmark.h>

#include <QString>
#include <QVariant>

#include <malloc.h>

#include <memory>
#include <random>
#include <vector>

using host::FieldType;
using host::TnClientDataSet;

namespace {

constexpr std::size_t kIndexRows = 2'000'000;

// Company, establishment and employee codes drawn at random, a name per
// employee code and a value: the shape of the payroll datasets, scaled up.
std::unique_ptr<TnClientDataSet> payrollRows(std::size_t rows)
{
    auto dataset =
        std::make_unique<TnClientDataSet>(std::vector<host::FieldDef>{{"CodigoEmpresa", FieldType::Integer},
                                                                      {"CodigoEstab", FieldType::Integer},
                                                                      {"CodigoFuncContr", FieldType::Integer},
                                                                      {"NomeFunc", FieldType::Text},
                                                                      {"Valor", FieldType::Float}});
    dataset->reserve(rows);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> company(1, 10);
    std::uniform_int_distribution<int> establishment(1, 20);
    std::uniform_int_distribution<int> employee(1, 10'000);
    std::uniform_real_distribution<double> value(0.0, 10'000.0);
    std::vector<int> employees(rows);
    for (std::size_t r = 0; r < rows; ++r) {
        dataset->appendInteger(0, company(random));
        dataset->appendInteger(1, establishment(random));
        employees[r] = employee(random);
        dataset->appendInteger(2, employees[r]);
        dataset->appendFloat(4, value(random));
    }
    for (const int code : employees) {
        dataset->appendText(3, QStringLiteral("Funcionário %1").arg((code * 7919) % 10'007));
    }
    dataset->finishLoad();
    return dataset;
}

// The last one holds a float, which does not pack: it measures the sort by
// comparing rows.
const char* const kIndexes[] = {"CodigoEmpresa;CodigoFuncContr", "NomeFunc", "CodigoEmpresa;CodigoFuncContr;NomeFunc",
                                "CodigoEmpresa;Valor"};

void BM_BuildIndex(benchmark::State& state)
{
    const QString names = QString::fromLatin1(kIndexes[state.range(0)]);
    state.SetLabel(names.toStdString());
    for (auto _ : state) {
        state.PauseTiming();
        auto dataset = payrollRows(kIndexRows);
        state.ResumeTiming();
        dataset->SetIndexFieldNames(names);
        benchmark::DoNotOptimize(dataset->RecordCount());
        state.PauseTiming();
        dataset.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BuildIndex)->DenseRange(0, 3)->Iterations(2)->Unit(benchmark::kMillisecond);

void BM_RangeLookup(benchmark::State& state)
{
    static const std::unique_ptr<TnClientDataSet> dataset = [] {
        auto rows = payrollRows(kIndexRows);
        rows->SetIndexFieldNames("CodigoEmpresa;CodigoEstab;CodigoFuncContr");
        return rows;
    }();
    std::mt19937 random(11);
    std::vector<QVariantList> keys;
    for (int i = 0; i < 4096; ++i) {
        keys.push_back({int(random() % 10 + 1), int(random() % 20 + 1), int(random() % 10'000 + 1)});
    }
    std::size_t next = 0;
    std::int64_t found = 0;
    for (auto _ : state) {
        const QVariantList& key = keys[next++ % keys.size()];
        dataset->SetRange(key, key);
        dataset->First();
        found += dataset->RecordCount();
    }
    state.counters["rows_per_lookup"] = benchmark::Counter(double(found) / double(state.iterations()));
}
BENCHMARK(BM_RangeLookup)->Unit(benchmark::kMicrosecond);

std::size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Bytes the heap holds per value after loading; the dataset is reserved,
// as the query loader does, and has no nulls.
void BM_MemoryPerNumericValue(benchmark::State& state)
{
    constexpr std::size_t kRows = 1'000'000;
    constexpr int kColumns = 8;
    double bytesPerValue = 0;
    for (auto _ : state) {
        const std::size_t before = heapInUse();
        std::vector<host::FieldDef> fields;
        for (int c = 0; c < kColumns; ++c) {
            fields.push_back({QStringLiteral("C%1").arg(c), c % 2 == 0 ? FieldType::Integer : FieldType::Float});
        }
        TnClientDataSet dataset(fields);
        dataset.reserve(kRows);
        for (int c = 0; c < kColumns; ++c) {
            for (std::size_t r = 0; r < kRows; ++r) {
                c % 2 == 0 ? dataset.appendInteger(c, qint64(r)) : dataset.appendFloat(c, double(r) / 3.0);
            }
        }
        dataset.finishLoad();
        bytesPerValue = double(heapInUse() - before) / double(kRows * kColumns);
        benchmark::DoNotOptimize(dataset.RecordCount());
    }
    state.counters["bytes_per_value"] = bytesPerValue;
}
BENCHMARK(BM_MemoryPerNumericValue)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
