// Structural edits, replication by clipboard stream, and undo of a paste.
#include <spreadsheet/ClipboardBlock.h>
#include <spreadsheet/Workbook.h>

#include <benchmark/benchmark.h>

#include <memory>

using namespace spreadsheet;

namespace {

QString n(int i)
{
    return QString::number(i);
}

// 100,000 rows: A and B numbers, C:E formulas reading their neighbours.
std::unique_ptr<Workbook> neighbourSheet()
{
    auto wb = std::make_unique<Workbook>();
    wb->history().setEnabled(false);
    Sheet& s = wb->addSheet();
    wb->beginUpdate();
    for (int r = 0; r < 100000; ++r) {
        const QString row = n(r + 1);
        s.setValue(r, 0, r);
        if (r % 3 == 0) {
            s.setValue(r, 1, r * 2.0);
        } else {
            s.setText(r, 1, "=A" + row + "+1");
        }
        s.setText(r, 2, "=A" + row + "*B" + row);
        s.setText(r, 3, "=C" + row + "-A" + row);
    }
    wb->endUpdate();
    return wb;
}

void BM_InsertRowAtTop(benchmark::State& state)
{
    auto wb = neighbourSheet();
    Sheet& s = wb->sheet(0);
    for (auto _ : state) {
        s.InsertRows(0, 1);
    }
    if (s.text(static_cast<int>(state.iterations()) + 5, 2) != "=A" + n(static_cast<int>(state.iterations()) + 6) + "*B" + n(static_cast<int>(state.iterations()) + 6)) {
        state.SkipWithError("references not adjusted");
    }
}
BENCHMARK(BM_InsertRowAtTop)->Unit(benchmark::kMillisecond);

// The generation run's replication: one 3 x 10 block captured once, rows for
// all copies inserted at once, then the block pasted 20,000 times.
void BM_Replication(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Workbook wb;
        wb.history().setEnabled(false);
        wb.setAutomaticCalculation(false);
        Sheet& s = wb.addSheet();
        for (int r = 0; r < 3; ++r) {
            s.setValue(r, 0, r + 1.0);
            for (int c = 1; c < 10; ++c) {
                s.setText(r, c, c % 2 ? "=A" + n(r + 1) + "*" + n(c) : "=SUM($A$1:A" + n(r + 1) + ")+B" + n(r + 1));
            }
        }
        s.setText(3, 0, "=SUM(A1:A3)");
        state.ResumeTiming();

        wb.beginUpdate();
        ClipboardBlock block = ClipboardBlock::copy(s, {0, 0, 9, 2});
        s.InsertRows(3, 60000);
        for (int copy = 1; copy <= 20000; ++copy) {
            block.paste(s, copy * 3, 0);
        }
        wb.endUpdate();

        state.PauseTiming();
        if (s.text(59999, 1) != QStringLiteral("=A60000*1") || s.text(60003, 0) != QStringLiteral("=SUM(A1:A3)")) {
            state.SkipWithError("wrong replication");
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Replication)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_UndoRedoPaste(benchmark::State& state)
{
    Workbook wb;
    Sheet& s = wb.addSheet();
    wb.beginUpdate();
    for (int r = 0; r < 1000; ++r) {
        for (int c = 0; c < 10; ++c) {
            s.setText(r, c, c == 0 ? n(r) : "=A" + n(r + 1) + "+" + n(c));
        }
    }
    wb.endUpdate();
    ClipboardBlock::copy(s, {0, 0, 9, 999}).paste(s, 2000, 0);
    const bool undo = state.range(0) == 0;
    for (auto _ : state) {
        if (undo) {
            wb.history().Undo();
            state.PauseTiming();
            wb.history().Redo();
            state.ResumeTiming();
        } else {
            state.PauseTiming();
            wb.history().Undo();
            state.ResumeTiming();
            wb.history().Redo();
        }
    }
    if (s.text(2999, 5) != QStringLiteral("=A3000+5")) {
        state.SkipWithError("paste not restored");
    }
}
BENCHMARK(BM_UndoRedoPaste)->Arg(0)->Arg(1)->ArgNames({"redo"})->Unit(benchmark::kMillisecond);

}  // namespace
