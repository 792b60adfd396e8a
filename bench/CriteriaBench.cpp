// Full recalculation of a million SUMIFS over one 100,000-row table: the
// formulas differ only in the key they look for, so the per-pass criteria
// index answers each from one table.
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <benchmark/benchmark.h>

#include <memory>

using namespace spreadsheet;

namespace {

constexpr int kTableRows = 100000;
constexpr int kFormulas = 1000000;
constexpr int kKeys = 1000;

int keyAt(int row)
{
    return (row * 7919) % kKeys;
}

double amountAt(int row)
{
    return row % 100;
}

int levelAt(int row)
{
    return row % 10;
}

// A = key, B = amount, C = level over the table; D = the key a formula
// asks for, E = =SUMIFS($B$1:$B$100000;$A$1:$A$100000;Dn;$C$1:$C$100000;">5").
std::unique_ptr<Workbook> buildCriteriaSheet()
{
    auto wb = std::make_unique<Workbook>();
    wb->setAutomaticCalculation(false);
    Sheet& s = wb->addSheet("Dados");
    // Batched, so that no formula is calculated on its own while it is written.
    wb->beginUpdate();
    for (int i = 0; i < kTableRows; ++i) {
        s.setValue(i, 0, keyAt(i));
        s.setValue(i, 1, amountAt(i));
        s.setValue(i, 2, levelAt(i));
    }
    const QString last = QString::number(kTableRows);
    const QString tail = ";$C$1:$C$" + last + ";\">5\")";
    const QString head = "=SUMIFS($B$1:$B$" + last + ";$A$1:$A$" + last + ";D";
    for (int i = 0; i < kFormulas; ++i) {
        s.setValue(i, 3, i % kKeys);
        s.setText(i, 4, head + QString::number(i + 1) + tail);
    }
    wb->endUpdate();
    return wb;
}

double expectedFor(int key)
{
    double total = 0.0;
    for (int i = 0; i < kTableRows; ++i) {
        if (keyAt(i) == key && levelAt(i) > 5) {
            total += amountAt(i);
        }
    }
    return total;
}

void BM_RecalculateMillionSumIfs(benchmark::State& state)
{
    auto wb = buildCriteriaSheet();
    for (auto _ : state) {
        wb->calculate();
    }
    const Sheet& s = wb->sheet(0);
    for (const int row : {0, 1, kFormulas - 1}) {
        const Value v = s.value(row, 4);
        if (!v.isNumber() || v.number() != expectedFor(row % kKeys)) {
            state.SkipWithError("wrong SUMIFS result");
            return;
        }
    }
}
BENCHMARK(BM_RecalculateMillionSumIfs)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
