// Build-and-calculate benchmarks of the engine, and the memory a cell costs.
#include <spreadsheet/Workbook.h>

#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <vector>

using namespace spreadsheet;

namespace {

QString n(int i)
{
    return QString::number(i);
}

// The sheet as text, row by row, the way a loader hands it to the engine.
using SheetText = std::vector<std::array<QString, 5>>;

// Rows n+1 of "Sheet A": C = An*An, D = C(n+1)*An+Bn, E = Cn-Dn*Dn+Dn*Cn/7+Cn*Cn*3+7*2.
SheetText sheetA()
{
    SheetText rows{{"1", "2", "3", "4", "5"}};
    for (int i = 1; i < 10000; ++i) {
        const QString a = n(i);
        rows.push_back({n(i + 1), "3", "=A" + a + "*A" + a, "=C" + n(i + 1) + "*A" + a + "+B" + a,
                        "=C" + a + "-D" + a + "*D" + a + "+D" + a + "*C" + a + "/7+C" + a + "*C" + a + "*3+7*2"});
    }
    return rows;
}

// Rows n+1 of "Sheet B": C = 3*5, D = An+Dn, E = SUM($A$1:An).
template <int Rows = 5000>
SheetText sheetB()
{
    SheetText rows{{"1", "2", "3", "0", "0"}};
    for (int i = 1; i < Rows; ++i) {
        const QString a = n(i);
        rows.push_back({n(i + 1), "2", "=3*5", "=A" + a + "+D" + a, "=SUM($A$1:A" + a + ")"});
    }
    return rows;
}

template <SheetText (*Make)()>
void buildAndCalculate(benchmark::State& state, int checkRow, int checkColumn, double expected)
{
    const SheetText rows = Make();
    for (auto _ : state) {
        Workbook wb;
        Sheet& s = wb.addSheet();
        wb.beginUpdate();
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            for (int c = 0; c < 5; ++c) {
                s.setText(r, c, rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
            }
        }
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
    buildAndCalculate<sheetA>(state, 9999, 2, 99980001.0);
}
BENCHMARK(BM_SheetA)->Unit(benchmark::kMillisecond);

void BM_SheetB(benchmark::State& state)
{
    buildAndCalculate<sheetB<>>(state, 4999, 4, 12497500.0);
}
BENCHMARK(BM_SheetB)->Unit(benchmark::kMillisecond);

void BM_SheetB100k(benchmark::State& state)
{
    buildAndCalculate<sheetB<100000>>(state, 99999, 4, 4999950000.0);
}
BENCHMARK(BM_SheetB100k)->Unit(benchmark::kMillisecond);

// Running totals down 100,000 rows: A = n, B = a category, and in C to E a
// SUMIFS, a COUNT and a MAX from the first row to the row's own.
std::unique_ptr<Workbook> buildRunning(int rows)
{
    auto wb = std::make_unique<Workbook>();
    Sheet& s = wb->addSheet();
    wb->beginUpdate();
    for (int i = 0; i < rows; ++i) {
        const QString r = n(i + 1);
        s.setValue(i, 0, (i * 37) % 1000 * 0.25);
        s.setText(i, 1, i % 3 == 0 ? "x" : "y");
        s.setText(i, 2, "=SUMIFS($A$1:A" + r + ";$B$1:B" + r + ";\"x\")");
        s.setText(i, 3, "=COUNT($A$1:A" + r + ")");
        s.setText(i, 4, "=MAX($A$1:A" + r + ")");
    }
    wb->endUpdate();
    return wb;
}

// What a full recalculation of the sheets costs, once they are built.
template <std::unique_ptr<Workbook> (*Make)(int)>
void recalculate(benchmark::State& state, int column, double expected)
{
    constexpr int kRunningRows = 100000;
    auto wb = Make(kRunningRows);
    for (auto _ : state) {
        wb->calculate();
    }
    if (wb->sheet(0).value(kRunningRows - 1, column).number() != expected) {
        state.SkipWithError("wrong result");
    }
}

std::unique_ptr<Workbook> buildSheetB(int rows)
{
    auto wb = std::make_unique<Workbook>();
    Sheet& s = wb->addSheet();
    const SheetText text = rows == 100000 ? sheetB<100000>() : sheetB();
    wb->beginUpdate();
    for (int r = 0; r < static_cast<int>(text.size()); ++r) {
        for (int c = 0; c < 5; ++c) {
            s.setText(r, c, text[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
        }
    }
    wb->endUpdate();
    return wb;
}

void BM_SheetB100kRecalculate(benchmark::State& state)
{
    recalculate<buildSheetB>(state, 4, 4999950000.0);
}
BENCHMARK(BM_SheetB100kRecalculate)->Unit(benchmark::kMillisecond);

void BM_RunningTotals100kRecalculate(benchmark::State& state)
{
    recalculate<buildRunning>(state, 3, 100000.0);
}
BENCHMARK(BM_RunningTotals100kRecalculate)->Unit(benchmark::kMillisecond);

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

}  // namespace

BENCHMARK_MAIN();
