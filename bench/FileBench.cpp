// Saving and loading workbook files: native ones of 1,000,000 cells, half of
// them formulas, and of a styled 100,000-row report; xlsx ones of plain values.
#include <spreadsheet/io/WorkbookExport.h>
#include <spreadsheet/io/WorkbookFile.h>
#include <spreadsheet/Workbook.h>

#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

using namespace spreadsheet;

namespace {

std::unique_ptr<Workbook> millionCells()
{
    auto wb = std::make_unique<Workbook>();
    wb->history().setEnabled(false);
    Sheet& s = wb->addSheet("Dados");
    wb->beginUpdate();
    for (int r = 0; r < 100000; ++r) {
        const QString row = QString::number(r + 1);
        for (int c = 0; c < 5; ++c) {
            s.setValue(r, c, r * 1.25 + c);
        }
        s.setText(r, 5, "=A" + row + "*2");
        s.setText(r, 6, "=B" + row + "+C" + row);
        s.setText(r, 7, "=SUM(A" + row + ":E" + row + ")");
        s.setText(r, 8, "=IF(A" + row + ">D" + row + ";\"sim\";\"não\")");
        s.setText(r, 9, "=ROUND(F" + row + "/3;2)");
    }
    wb->endUpdate();
    return wb;
}

void BM_SaveNative(benchmark::State& state)
{
    auto wb = millionCells();
    QTemporaryDir dir;
    for (auto _ : state) {
        io::WorkbookFile::save(*wb, io::PrintSettings{}, dir.filePath("grande.nxs"));
    }
    state.counters["bytes"] = double(QFileInfo(dir.filePath("grande.nxs")).size());
}
BENCHMARK(BM_SaveNative)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LoadNative(benchmark::State& state)
{
    QTemporaryDir dir;
    io::WorkbookFile::save(*millionCells(), io::PrintSettings{}, dir.filePath("grande.nxs"));
    for (auto _ : state) {
        io::LoadedWorkbook loaded = io::WorkbookFile::load(dir.filePath("grande.nxs"));
        if (loaded.workbook->sheet(0).text(99999, 7) != QStringLiteral("=SUM(A100000:E100000)")) {
            state.SkipWithError("wrong content");
        }
    }
}
BENCHMARK(BM_LoadNative)->Unit(benchmark::kMillisecond)->Iterations(3);

// 100,000 rows as reports have them: a code, a repeating name, a number,
// three formulas and a short text, every column styled and each tenth row
// bold, in a few sheets.
std::unique_ptr<Workbook> styledReport()
{
    auto wb = std::make_unique<Workbook>();
    wb->history().setEnabled(false);
    wb->beginUpdate();
    CellStyle money;
    money.numberFormat = QStringLiteral("#,##0.00");
    CellStyle bold = money;
    bold.font.bold = true;
    bold.fill = CellColor::rgb(0xDDEEFF);
    for (int p = 0; p < 4; ++p) {
        Sheet& s = wb->addSheet(QStringLiteral("Emp%1").arg(p + 1));
        for (int r = 0; r < 25000; ++r) {
            const QString row = QString::number(r + 1);
            s.setValue(r, 0, double(1000 + r));
            s.setValue(r, 1, Value(QStringLiteral("Funcionário %1").arg((r * 7) % 3000)));
            s.setValue(r, 2, 1500.0 + (r % 977) * 3.25);
            s.setText(r, 3, "=C" + row + "*0.08");
            s.setText(r, 4, "=C" + row + "-D" + row);
            s.setText(r, 5, "=IF(E" + row + ">2000;\"alto\";\"baixo\")");
            s.setValue(r, 6, Value(QStringLiteral("Setor %1").arg(r % 40)));
            for (int c = 2; c < 6; ++c) {
                s.setStyle(r, c, r % 10 == 0 ? bold : money);
            }
        }
    }
    wb->endUpdate();
    return wb;
}

// DARVELO_BENCH_DIR keeps the files there, to be looked at after the run.
QString benchDir(const QTemporaryDir& temporary)
{
    const char* given = std::getenv("DARVELO_BENCH_DIR");
    return given ? QString::fromLocal8Bit(given) : temporary.path();
}

// The argument is the version of the file: the first one is what a file
// read from it and saved unchanged keeps.
std::unique_ptr<Workbook> styledReport(benchmark::State& state)
{
    auto wb = styledReport();
    wb->setFileVersion(int(state.range(0)));
    return wb;
}

QString reportPath(const QTemporaryDir& dir, const benchmark::State& state)
{
    return benchDir(dir) + QStringLiteral("/relatorio-v%1.nxs").arg(state.range(0));
}

void BM_SaveNativeReport(benchmark::State& state)
{
    auto wb = styledReport(state);
    QTemporaryDir dir;
    const QString path = reportPath(dir, state);
    for (auto _ : state) {
        io::WorkbookFile::save(*wb, io::PrintSettings{}, path);
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_SaveNativeReport)->Unit(benchmark::kMillisecond)->Iterations(3)->Arg(1)->Arg(2);

void BM_LoadNativeReport(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = reportPath(dir, state);
    io::WorkbookFile::save(*styledReport(state), io::PrintSettings{}, path);
    for (auto _ : state) {
        io::LoadedWorkbook loaded = io::WorkbookFile::load(path);
        if (loaded.workbook->sheet(3).text(24999, 4) != QStringLiteral("=C25000-D25000")) {
            state.SkipWithError("wrong content");
        }
    }
}
BENCHMARK(BM_LoadNativeReport)->Unit(benchmark::kMillisecond)->Iterations(3)->Arg(1)->Arg(2);

// The same workbook as xlsx, for its size beside the native file's.
void BM_SaveXlsxReport(benchmark::State& state)
{
    auto wb = styledReport();
    QTemporaryDir dir;
    const QString path = benchDir(dir) + QStringLiteral("/relatorio.xlsx");
    for (auto _ : state) {
        io::WorkbookExport::xlsx(*wb, path);
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_SaveXlsxReport)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

namespace {

// The 100,000-cell xls fixture, made by a real producer.
void BM_OpenXls(benchmark::State& state)
{
    const QString path = QStringLiteral(TEST_DATA_DIR "/xls/large.xls");
    for (auto _ : state) {
        io::LoadedWorkbook loaded = io::WorkbookFile::load(path);
        benchmark::DoNotOptimize(loaded.workbook.get());
    }
}
BENCHMARK(BM_OpenXls)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// 100,000 rows of five numbers and five short texts, the texts repeating
// as names and codes do, so that the shared strings part stays small.
std::unique_ptr<Workbook> millionValues()
{
    auto wb = std::make_unique<Workbook>();
    wb->history().setEnabled(false);
    Sheet& s = wb->addSheet("Dados");
    wb->beginUpdate();
    for (int r = 0; r < 100000; ++r) {
        for (int c = 0; c < 5; ++c) {
            s.setValue(r, c, r * 1.25 + c);
        }
        for (int c = 5; c < 10; ++c) {
            s.setValue(r, c, Value(QStringLiteral("item %1").arg((r * 7 + c) % 5000)));
        }
    }
    wb->endUpdate();
    return wb;
}

void BM_SaveXlsx(benchmark::State& state)
{
    auto wb = millionValues();
    QTemporaryDir dir;
    for (auto _ : state) {
        io::WorkbookExport::xlsx(*wb, dir.filePath("grande.xlsx"));
    }
}
BENCHMARK(BM_SaveXlsx)->Unit(benchmark::kMillisecond)->Iterations(3);

// DARVELO_BENCH_XLSX names a file to load instead, once, so that a run
// under /usr/bin/time measures the peak memory of the loading alone.
const char* givenXlsx()
{
    return std::getenv("DARVELO_BENCH_XLSX");
}

void BM_LoadXlsx(benchmark::State& state)
{
    QTemporaryDir dir;
    QString path = QString::fromLocal8Bit(givenXlsx());
    if (path.isEmpty()) {
        path = dir.filePath("grande.xlsx");
        io::WorkbookExport::xlsx(*millionValues(), path);
    }
    for (auto _ : state) {
        io::LoadedWorkbook loaded = io::WorkbookFile::load(path);
        if (loaded.workbook->sheet(0).value(99999, 9).isEmpty()) {
            state.SkipWithError("wrong content");
        }
    }
}
BENCHMARK(BM_LoadXlsx)->Unit(benchmark::kMillisecond)->Iterations(givenXlsx() ? 1 : 3);

}  // namespace
