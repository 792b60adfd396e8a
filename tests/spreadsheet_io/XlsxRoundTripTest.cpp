// A workbook saved as xlsx and read back is the same workbook, with every
// setting away from its default; other programs read what we write.
#include "WorkbookDifferences.h"

#include <spreadsheet/Reference.h>
#include <spreadsheet/Workbook.h>
#include <spreadsheet/io/WorkbookExport.h>
#include <spreadsheet/io/WorkbookFile.h>

#include <spreadsheet/io/JsonDump.h>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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
    print.footerText = QStringLiteral("&[Guia] - Página &[Página] de &[Páginas]");
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

// Excel's names of our line kinds, as another program reads them.
struct LineName {
    BorderLine line;
    const char* name;
};
constexpr LineName kLineNames[] = {
    {BorderLine::Thin, "thin"},     {BorderLine::Medium, "medium"}, {BorderLine::Thick, "thick"},
    {BorderLine::Double, "double"}, {BorderLine::Dashed, "dashed"}, {BorderLine::Dotted, "dotted"},
    {BorderLine::Hair, "hair"},     {BorderLine::MediumDashed, "mediumDashed"},
};

// One cell per line kind, each with its own colours, vertical alignment
// and wrapping; the cells are two apart so that no line is another's edge.
LoadedWorkbook everyLook()
{
    LoadedWorkbook loaded;
    loaded.workbook = std::make_unique<Workbook>();
    Sheet& sheet = loaded.workbook->addSheet(QStringLiteral("Aparencia"));
    constexpr VerticalAlignment kVerticals[] = {VerticalAlignment::Bottom, VerticalAlignment::Center,
                                                VerticalAlignment::Top};
    int i = 0;
    for (const LineName& kind : kLineNames) {
        CellStyle style;
        style.borderLeft = kind.line;
        style.borderTop = kLineNames[(i + 3) % std::size(kLineNames)].line;
        style.borderLeftColor = i % 2 == 0 ? CellColor::rgb(0xC00000u + std::uint32_t(i)) : CellColor{};
        style.borderTopColor = CellColor::rgb(0x0000A0u + std::uint32_t(i) * 0x100u);
        style.font.color = i % 3 == 0 ? CellColor{} : CellColor::rgb(0x2050F0u - std::uint32_t(i));
        style.fill = i % 3 == 1 ? CellColor{} : CellColor::rgb(0xF0F000u + std::uint32_t(i));
        style.alignVert = kVerticals[i % 3];
        style.wrapText = i % 2 == 1;
        sheet.setText(2 * i + 1, 1, QStringLiteral("linha %1").arg(kind.name), TextMode::Plain);
        sheet.setStyle(2 * i + 1, 1, style);
        ++i;
    }
    return loaded;
}

QJsonValue colorJson(CellColor color)
{
    return color.isAutomatic() ? QJsonValue() : QJsonValue(QString::number(color.rgbOnly(), 16).rightJustified(6, u'0').toUpper());
}

QJsonArray sideJson(BorderLine line, CellColor color)
{
    for (const LineName& kind : kLineNames) {
        if (kind.line == line) {
            return {QString::fromLatin1(kind.name), colorJson(color)};
        }
    }
    return {QJsonValue(), QJsonValue()};
}

// What openpyxl should read for each styled cell of the first sheet.
QByteArray expectedLooks(const Sheet& sheet)
{
    constexpr const char* kVerticalNames[] = {"bottom", "center", "top"};
    QJsonArray cells;
    sheet.forEachCell({0, 0, 3, 40}, [&](int row, int column) {
        const CellStyle& s = sheet.style(row, column);
        cells.append(QJsonObject{{"ref", cellAddressText(row, column)},
                                 {"fill", colorJson(s.fill)},
                                 {"font", colorJson(s.font.color)},
                                 {"wrap", s.wrapText},
                                 {"vertical", kVerticalNames[int(s.alignVert)]},
                                 {"left", sideJson(s.borderLeft, s.borderLeftColor)},
                                 {"top", sideJson(s.borderTop, s.borderTopColor)}});
    });
    return QJsonDocument(cells).toJson();
}

std::vector<LoadedWorkbook> exportedSamples(const QTemporaryDir& dir, QStringList& files)
{
    std::vector<LoadedWorkbook> samples;
    samples.push_back(everySettingChanged());
    samples.push_back(everyLook());
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

TEST(XlsxForeignReadersTest, OpenpyxlReadsEveryLookAsWritten)
{
    const QString python = QStringLiteral("/usr/bin/python3");
    if (!runs(python, {QStringLiteral("-c"), QStringLiteral("import openpyxl")})) {
        GTEST_SKIP() << "python3-openpyxl não instalado";
    }
    QTemporaryDir dir;
    const LoadedWorkbook sample = everyLook();
    const QString file = dir.filePath(QStringLiteral("aparencia.xlsx"));
    WorkbookExport::xlsx(*sample.workbook, file, PrintSettings{});
    QFile expected(dir.filePath(QStringLiteral("esperado.json")));
    ASSERT_TRUE(expected.open(QIODevice::WriteOnly));
    expected.write(expectedLooks(sample.workbook->sheet(0)));
    expected.close();
    QString problems;
    EXPECT_TRUE(runs(python, {QStringLiteral(TEST_DATA_DIR "/xlsx/check_styles.py"), file, expected.fileName()},
                     &problems))
        << problems.toStdString();
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
