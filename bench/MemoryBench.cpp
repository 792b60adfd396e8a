// The heap a cell costs, counted by replacing the global allocation functions.
#include "AllocationCounter.h"

#include <spreadsheet/Workbook.h>

#include <benchmark/benchmark.h>

using namespace spreadsheet;

namespace {

QString n(int i)
{
    return QString::number(i);
}

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
                    }
    }
}
BENCHMARK(BM_MemoryPerCell)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
