// The formatting commands over big selections: bold, a border preset and a
// format-cells change on 100,000 cells with their undo, and replace all over
// 1,000,000 cells.
#include <spreadsheet/CellFormatting.h>
#include <spreadsheet/CellSearch.h>
#include <spreadsheet/History.h>
#include <spreadsheet/Workbook.h>

#include <benchmark/benchmark.h>

#include <memory>

using namespace spreadsheet;

namespace {

// Rows of ten cells, numbers and texts in turn.
std::unique_ptr<Workbook> filledSheet(int rows)
{
    auto wb = std::make_unique<Workbook>();
    Sheet& s = wb->addSheet();
    wb->beginUpdate();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < 10; ++c) {
            if (c % 2 == 0) {
                s.setValue(r, c, r + c);
            } else {
                s.setText(r, c, QStringLiteral("Funcionário %1").arg(r % 50), TextMode::Plain);
            }
        }
    }
    wb->endUpdate();
    wb->history().clear();
    return wb;
}

const CellRange k100k{0, 0, 9, 9999};

void BM_BoldOver100kCells(benchmark::State& state)
{
    auto wb = filledSheet(10000);
    bool on = true;
    for (auto _ : state) {
        CellFormatting::ApplyCellFormat(wb->sheet(0), k100k, kSetBold, {}, on ? kBold : 0, {}, 0);
        on = !on;
    }
}
BENCHMARK(BM_BoldOver100kCells)->Unit(benchmark::kMillisecond);

void BM_UndoBoldOver100kCells(benchmark::State& state)
{
    auto wb = filledSheet(10000);
    for (auto _ : state) {
        state.PauseTiming();
        CellFormatting::ApplyCellFormat(wb->sheet(0), k100k, kSetBold, {}, kBold, {}, 0);
        state.ResumeTiming();
        wb->history().Undo();
    }
}
BENCHMARK(BM_UndoBoldOver100kCells)->Unit(benchmark::kMillisecond);

void BM_BorderPresetOver100kCells(benchmark::State& state)
{
    auto wb = filledSheet(10000);
    int preset = 5;
    for (auto _ : state) {
        CellFormatting::applyBorderPreset(wb->sheet(0), k100k, preset);
        preset = preset == 5 ? 0 : 5;
    }
}
BENCHMARK(BM_BorderPresetOver100kCells)->Unit(benchmark::kMillisecond);

// What the format-cells dialog applies when the user sets a number format,
// a fill, wrapping and an outline with inside lines, then its undo.
StyleChange dialogChange(bool on)
{
    StyleChange change;
    change.numberFormat = on ? QStringLiteral("#,##0.00") : QString();
    change.fill = on ? CellColor::rgb(0xFFFF99) : CellColor{};
    change.wrapText = on;
    const BorderSide line{on ? BorderLine::Thin : BorderLine::None, on ? CellColor::rgb(0x808080) : CellColor{}};
    change.left = change.top = change.right = change.bottom = change.insideVertical = change.insideHorizontal = line;
    return change;
}

void BM_FormatCellsOver100kCells(benchmark::State& state)
{
    auto wb = filledSheet(10000);
    bool on = true;
    for (auto _ : state) {
        CellFormatting::applyStyleChange(wb->sheet(0), k100k, dialogChange(on));
        on = !on;
    }
}
BENCHMARK(BM_FormatCellsOver100kCells)->Unit(benchmark::kMillisecond);

void BM_UndoFormatCellsOver100kCells(benchmark::State& state)
{
    auto wb = filledSheet(10000);
    for (auto _ : state) {
        state.PauseTiming();
        CellFormatting::applyStyleChange(wb->sheet(0), k100k, dialogChange(true));
        state.ResumeTiming();
        wb->history().Undo();
    }
}
BENCHMARK(BM_UndoFormatCellsOver100kCells)->Unit(benchmark::kMillisecond);

void BM_ReplaceAllOver1MCells(benchmark::State& state)
{
    auto wb = filledSheet(100000);
    bool forth = true;
    for (auto _ : state) {
        SearchOptions options{forth ? QStringLiteral("Funcionário") : QStringLiteral("Empregado"), true};
        CellSearch::replaceAll(*wb, options, 0, forth ? QStringLiteral("Empregado") : QStringLiteral("Funcionário"));
        forth = !forth;
    }
}
BENCHMARK(BM_ReplaceAllOver1MCells)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
