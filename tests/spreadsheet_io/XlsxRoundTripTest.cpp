// A workbook saved as xlsx and read back is the same workbook, with every
// setting away from its default; other programs read what we write.
#include "WorkbookDifferences.h"

#include <spreadsheet/Workbook.h>
#include <spreadsheet/io/WorkbookExport.h>
#include <spreadsheet/io/WorkbookFile.h>

#include <spreadsheet/io/JsonDump.h>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>

using namespace spreadsheet;
using namespace spreadsheet::io;
using namespace spreadsheet::io::teste;

namespace {

LoadedWorkbook everySettingChanged()
{
    LoadedWorkbook loaded;
    loaded.workbook = std::make_unique<Workbook>();
    Workbook& workbook = *loaded.workbook;
    Sheet& first = workbook.addSheet(QStringLiteral("Capa"));
    Sheet& second = workbook.addSheet(QStringLiteral("Leiaute"));
    first.setText(0, 0, QStringLiteral("=gerEMP(3)&\" - \"&Leiaute!B2"));
    first.setCachedValue(0, 0, Value(QStringLiteral("Emp(3) - 7")));
    second.setValue(1, 1, 7.0);
    second.setText(2, 1, QStringLiteral("=fpaSalario(B2;\"a;b\")"));
    first.setGridLines(TriState::Off);
    second.setGridLines(TriState::On);
    first.setHeaders(TriState::On);
    second.setHeaders(TriState::Off);
    second.setShowFormulas(TriState::On);
    second.setSelection({3, 1, 5, 2});
    CellStyle base;
    base.font.name = QStringLiteral("Arial");
    base.font.size = 9;
    second.setDefaultStyle(base);
    second.setPageBreak(10, true);
    second.setPageBreak(40, true);
    second.setRowHidden(4, true);
    second.setColumnHidden(3, true);
    second.setColumnWidth(1, 140);
    second.setRowHeight(2, 33);
    second.mergeCells({0, 0, 0, 3});
    workbook.defineName(QStringLiteral("Linhas"), QStringLiteral("Leiaute!$B$2:$B$9"));
    workbook.setR1C1References(true);
    workbook.setAutomaticCalculation(false);
    workbook.setSheetTabsVisible(false);
    workbook.setActiveSheet(1);
    PrintSettings print;
    print.paperCode = 1;
    print.landscape = true;
    print.marginLeftMm = 20;
    print.marginTopMm = 15;
    print.marginRightMm = 10.5;
    print.marginBottomMm = 25;
    print.headerMm = 8;
    print.footerMm = 9;
    print.headerText = QStringLiteral("Folha & encargos");
    print.footerText = QStringLiteral("Página");
    print.printArea = QStringLiteral("Leiaute!$A$1:$D$40");
    print.pageNumbers = PrintSettings::PageNumbers::RomanUpper;
    print.firstPageNumber = 3;
    print.greyShading = false;
    print.printGridLines = true;
    print.printHeadings = true;
    print.centerHorizontally = true;
    print.centerVertically = true;
    print.scalePercent = 85;
    print.fitPagesWide = 1;
    print.fitPagesTall = 2;
    print.copies = 2;
    print.dateFormat = QStringLiteral("dd/MM/yyyy");
    print.timeFormat = QStringLiteral("HH:mm");
    loaded.printSettings = print;
    return loaded;
}

TEST(XlsxRoundTripTest, EverySettingComesBack)
{
    const LoadedWorkbook original = everySettingChanged();
    QTemporaryDir dir;
    const LoadedWorkbook copy = throughXlsx(original, dir.filePath(QStringLiteral("tudo.xlsx")));
    EXPECT_EQ(differences(original, copy).join(u'\n').toStdString(), "");
}

// Other programs read what we write: openpyxl finds every cell with the
// value and formula we gave it, and LibreOffice converts the file without
// complaint. Skipped where the program is not installed.
bool runs(const QString& program, const QStringList& arguments, QString* output = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted() || !process.waitForFinished(180000)) {
        return false;
    }
    if (output) {
        *output = QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

std::vector<LoadedWorkbook> exportedSamples(const QTemporaryDir& dir, QStringList& files)
{
    std::vector<LoadedWorkbook> samples;
    samples.push_back(everySettingChanged());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        files << dir.filePath(QStringLiteral("exportado%1.xlsx").arg(i));
        WorkbookExport::xlsx(*samples[i].workbook, files.back(), samples[i].printSettings.value_or(PrintSettings{}));
    }
    return samples;
}

TEST(XlsxForeignReadersTest, OpenpyxlReadsEveryCellAsWritten)
{
    const QString python = QStringLiteral("/usr/bin/python3");
    if (!runs(python, {QStringLiteral("-c"), QStringLiteral("import openpyxl")})) {
        GTEST_SKIP() << "python3-openpyxl não instalado";
    }
    QTemporaryDir dir;
    QStringList files;
    const std::vector<LoadedWorkbook> samples = exportedSamples(dir, files);
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString dump = files[i] + QStringLiteral(".json");
        QFile out(dump);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(JsonDump::dump(*samples[static_cast<std::size_t>(i)].workbook));
        out.close();
        QString problems;
        EXPECT_TRUE(runs(python, {QStringLiteral(TEST_DATA_DIR "/xlsx/check_export.py"), files[i], dump}, &problems))
            << problems.toStdString();
    }
}

TEST(XlsxForeignReadersTest, LibreOfficeConvertsTheFilesWithoutComplaint)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) {
        GTEST_SKIP() << "LibreOffice não instalado";
    }
    QTemporaryDir dir;
    QStringList files;
    exportedSamples(dir, files);
    // A profile of its own, so that a running LibreOffice is left alone.
    const QString profile = QUrl::fromLocalFile(dir.filePath(QStringLiteral("perfil"))).toString();
    QString output;
    ASSERT_TRUE(runs(soffice, QStringList{QStringLiteral("-env:UserInstallation=") + profile, QStringLiteral("--headless"),
                                          QStringLiteral("--convert-to"), QStringLiteral("ods"), QStringLiteral("--outdir"),
                                          dir.path()} + files,
                     &output))
        << output.toStdString();
    for (const QString& file : files) {
        const QFileInfo converted(dir.filePath(QFileInfo(file).completeBaseName() + QStringLiteral(".ods")));
        EXPECT_GT(converted.size(), 0) << file.toStdString() << '\n' << output.toStdString();
    }
}

}  // namespace
