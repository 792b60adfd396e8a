// Build-and-calculate benchmarks of the engine, and the memory a cell costs.
#include "AllocationCounter.h"

#include <spreadsheet/Workbook.h>

#include <benchmark/benchmark.h>

#include <memory>

using namespace spreadsheet;

namespace {

QString n(int i)
{
    return QString::number(i);
}

// Rows n+1 of "Sheet A": C = An*An, D = C(n+1)*An+Bn, E = Cn-Dn*Dn+Dn*Cn/7+Cn*Cn*3+7*2.
void buildSheetA(Sheet& s)
{
    for (int c = 0; c < 5; ++c) {
        s.setValue(0, c, c + 1);
    }
    for (int i = 1; i < 10000; ++i) {
        const QString a = n(i);
        const QString next = n(i + 1);
        s.setValue(i, 0, i + 1);
        s.setValue(i, 1, 3);
        s.setText(i, 2, "=A" + a + "*A" + a);
        s.setText(i, 3, "=C" + next + "*A" + a + "+B" + a);
        s.setText(i, 4, "=C" + a + "-D" + a + "*D" + a + "+D" + a + "*C" + a + "/7+C" + a + "*C" + a + "*3+7*2");
    }
}

// Rows n+1 of "Sheet B": C = 3*5, D = An+Dn, E = SUM($A$1:An).
void buildSheetB(Sheet& s)
{
    const double first[] = {1, 2, 3, 0, 0};
    for (int c = 0; c < 5; ++c) {
        s.setValue(0, c, first[c]);
    }
    for (int i = 1; i < 5000; ++i) {
        const QString a = n(i);
        s.setValue(i, 0, i + 1);
        s.setValue(i, 1, 2);
        s.setText(i, 2, "=3*5");
        s.setText(i, 3, "=A" + a + "+D" + a);
        s.setText(i, 4, "=SUM($A$1:A" + a + ")");
    }
}

template <void (*Build)(Sheet&)>
void buildAndCalculate(benchmark::State& state, int checkRow, int checkColumn, double expected)
{
    for (auto _ : state) {
        Workbook wb;
        Sheet& s = wb.addSheet();
        wb.beginUpdate();
        Build(s);
        wb.endUpdate();
        if (s.value(checkRow, checkColumn).number() != expected) {
            state.SkipWithError("wrong result");
            return;
        }
        benchmark::DoNotOptimize(&wb);
    }
}

void BM_SheetA(benchmark::State& state)
{
    buildAndCalculate<buildSheetA>(state, 9999, 2, 99980001.0);
}
BENCHMARK(BM_SheetA)->Unit(benchmark::kMillisecond);

void BM_SheetB(benchmark::State& state)
{
    buildAndCalculate<buildSheetB>(state, 4999, 4, 12497500.0);
}
BENCHMARK(BM_SheetB)->Unit(benchmark::kMillisecond);

constexpr int kRows = 50000;
constexpr int kTableRows = 10000;

// 50,000 rows x 4 formulas: a 10-cell SUM window, an IF comparing two cells,
// a chain through the row above, and an exact VLOOKUP into another sheet.
std::unique_ptr<Workbook> buildLarge()
{
    auto wb = std::make_unique<Workbook>();
    wb->setAutomaticCalculation(false);
    Sheet& data = wb->addSheet("Dados");
    Sheet& table = wb->addSheet("Tabela");
    for (int i = 0; i < kTableRows; ++i) {
        table.setValue(i, 0, i + 1);
        table.setValue(i, 1, (i + 1) * 0.5);
    }
    for (int i = 0; i < kRows; ++i) {
        const QString r = n(i + 1);
        data.setValue(i, 0, (i * 37) % kTableRows + 1);
        data.setValue(i, 1, (i * 11) % 997);
        data.setText(i, 2, "=SUM(A" + n(std::max(1, i - 8)) + ":A" + r + ")");
        data.setText(i, 3, "=IF(A" + r + ">B" + r + ";A" + r + ";B" + r + ")");
        data.setText(i, 4, i == 0 ? QString("=A1") : "=E" + n(i) + "+A" + r + "*2");
        data.setText(i, 5, "=VLOOKUP(A" + r + ";Tabela!$A$1:$B$10000;2;FALSE)");
    }
    return wb;
}

void BM_Recalculate200k(benchmark::State& state)
{
    auto wb = buildLarge();
    for (auto _ : state) {
        wb->calculate();
    }
    Sheet& data = wb->sheet(0);
    if (data.value(kRows - 1, 5).isError() || data.value(kRows - 1, 2).isError()) {
        state.SkipWithError("error values in the results");
    }
}
BENCHMARK(BM_Recalculate200k)->Unit(benchmark::kMillisecond);

void BM_MemoryPerCell(benchmark::State& state)
{
    constexpr int kCells = 200000;
    for (auto _ : state) {
        const std::size_t before = liveHeapBytes();
        {
            Workbook wb;
            Sheet& s = wb.addSheet();
            for (int i = 0; i < kCells; ++i) {
                s.setValue(i % 50000, i / 50000, i * 0.5);
            }
            state.counters["bytes_per_number"] = double(liveHeapBytes() - before) / kCells;
        }
        const std::size_t base = liveHeapBytes();
        {
            Workbook wb;
            wb.setAutomaticCalculation(false);
            Sheet& s = wb.addSheet();
            for (int i = 0; i < kCells / 4; ++i) {
                s.setValue(i, 0, i);
            }
            const std::size_t constants = liveHeapBytes();
            for (int i = 0; i < kCells; ++i) {
                s.setText(i % 50000, 1 + i / 50000, "=A" + n(i % 50000 + 1) + "*2");
            }
            wb.calculate();
            state.counters["bytes_per_formula"] = double(liveHeapBytes() - constants) / kCells;
            // Editing one input builds the dependents index.
            wb.setAutomaticCalculation(true);
            s.setValue(0, 0, 7);
            state.counters["bytes_per_formula_indexed"] = double(liveHeapBytes() - constants) / kCells;
            (void)base;
        }
    }
}
BENCHMARK(BM_MemoryPerCell)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
