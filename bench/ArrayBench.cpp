// Spilled arrays and lookups over a large table.
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <benchmark/benchmark.h>

using namespace spreadsheet;

namespace {

constexpr int kTableRows = 100000;

// A: a key per row, B: a number, C: a category 0..9.
void fillTable(Sheet& s)
{
    for (int r = 0; r < kTableRows; ++r) {
        s.setValue(r, 0, Value(QStringLiteral("K%1").arg(r)));
        s.setValue(r, 1, Value(double((r * 7919) % 100003)));
        s.setValue(r, 2, Value(double(r % 10)));
    }
}

// One spilled SORT(FILTER(...)) over the table, recalculated.
void BM_SortFilter100k(benchmark::State& state)
{
    Workbook wb;
    Sheet& s = wb.addSheet();
    wb.beginUpdate();
    fillTable(s);
    s.setText(0, 5, QStringLiteral("=SORT(FILTER(A1:B100000;C1:C100000<5);2;-1)"));
    wb.endUpdate();
    if (!s.value(49999, 5).isText()) {
        state.SkipWithError("no spill");
        return;
    }
    for (auto _ : state) {
        wb.calculate();
    }
}
BENCHMARK(BM_SortFilter100k)->Unit(benchmark::kMillisecond);

// Full recalculation of state.range(0) XLOOKUP cells over the table.
void BM_XLookup(benchmark::State& state)
{
    Workbook wb;
    Sheet& s = wb.addSheet();
    wb.beginUpdate();
    fillTable(s);
    const int cells = int(state.range(0));
    for (int i = 0; i < cells; ++i) {
        s.setText(i % kTableRows, 4 + i / kTableRows,
                  QStringLiteral("=XLOOKUP(\"K%1\";$A$1:$A$100000;$B$1:$B$100000)").arg((i * 31) % kTableRows));
    }
    wb.endUpdate();
    for (auto _ : state) {
        wb.calculate();
    }
    state.SetItemsProcessed(state.iterations() * cells);
}
BENCHMARK(BM_XLookup)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
