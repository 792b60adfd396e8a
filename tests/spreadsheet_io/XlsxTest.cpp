// Excel files: reading LibreOffice-made fixtures, writing with libxlsxwriter
// and reading the result back.
#include "IoTestSupport.h"
#include "Cell.h"
#include "SheetData.h"
#include "xlsx/SharedFormulaExpander.h"
#include "xlsx/XlsxReader.h"
#include "xlsx/XlsxWriter.h"

#include <spreadsheet/FormulaResult.h>
#include <spreadsheet/FunctionRepository.h>
#include <spreadsheet/Reference.h>
#include <spreadsheet/Workbook.h>
#include <spreadsheet/io/FileFormatError.h>
#include <spreadsheet/io/JsonDump.h>
#include <spreadsheet/io/WorkbookBuilder.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <minizip/unzip.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>

using namespace spreadsheet;
using namespace spreadsheet::io;

namespace {

using iotest::fileBytes;

QString fixturePath(const QString& name)
{
    return iotest::dataPath(QStringLiteral("xlsx/") + name);
}

std::unique_ptr<Workbook> readXlsx(const QByteArray& bytes)
{
    return iotest::load<XlsxReader>(bytes).workbook;
}

std::unique_ptr<Workbook> readFixture(const char* name)
{
    return readXlsx(fileBytes(fixturePath(QString::fromLatin1(name) + QStringLiteral(".xlsx"))));
}

using iotest::LocaleGuard;

// ---------------------------------------------------------------- reading

class XlsxGoldenTest : public ::testing::TestWithParam<const char*> {};

TEST_P(XlsxGoldenTest, DumpMatchesTheHandCheckedGolden)
{
    const auto workbook = readFixture(GetParam());
    const QByteArray golden = fileBytes(fixturePath(QString::fromLatin1(GetParam()) + QStringLiteral(".json")));
    EXPECT_EQ(JsonDump::dump(*workbook).trimmed().toStdString(), golden.trimmed().toStdString());
}

INSTANTIATE_TEST_SUITE_P(Fixtures, XlsxGoldenTest, ::testing::Values("formulas", "values", "layout", "dates1904"));

TEST(XlsxReaderTest, FormulasCalculateToTheValuesTheFileCached)
{
    // Shared formulas expanded per cell, 3-D references, names and a sheet
    // name with an accent: if any were read wrong, calculating would differ.
    const auto workbook = readFixture("formulas");
    std::map<std::tuple<int, int, int>, Value> cached;
    for (int s = 0; s < workbook->sheetCount(); ++s) {
        const Sheet& sheet = workbook->sheet(s);
        sheet.forEachCell({0, 0, 30, 30}, [&](int row, int column) {
            if (sheet.isFormula(row, column) && sheet.formulaError(row, column).isEmpty()) {
                cached[{s, row, column}] = sheet.value(row, column);
            }
        });
    }
    const Sheet& summary = workbook->sheet(1);
    EXPECT_EQ(summary.text(9, 1), QStringLiteral("=Parâmetros!A1*100"));
    EXPECT_TRUE(summary.formulaError(9, 1).isEmpty());
    cached.erase({1, 0, 2});  // the array formula: one cell of it stands alone here
    ASSERT_EQ(cached.size(), 29u);
    workbook->calculate();
    for (const auto& [at, value] : cached) {
        const auto [s, row, column] = at;
        EXPECT_EQ(workbook->sheet(s).value(row, column), value) << workbook->sheet(s).text(row, column).toStdString();
    }
}

TEST(XlsxReaderTest, BooleanAndErrorResultsAreKept)
{
    const auto workbook = readFixture("formulas");
    const Sheet& summary = workbook->sheet(1);
    EXPECT_EQ(summary.value(4, 1), Value::boolean(true));
    EXPECT_EQ(summary.value(5, 1), Value::error(ErrorCode::Div0));
    EXPECT_EQ(summary.value(1, 2).number(), 205.0);  // the rest of the array keeps its values
}

TEST(XlsxReaderTest, LayoutKeepsMergesSizesAndHiddenLines)
{
    const auto workbook = readFixture("layout");
    ASSERT_EQ(workbook->sheetCount(), 3);
    const Sheet& cover = workbook->sheet(0);
    const std::vector<CellRange> merges{{0, 0, 2, 0}, {0, 1, 0, 2}};
    EXPECT_EQ(cover.mergedAreas(), merges);
    EXPECT_EQ(cover.columnWidth(0), 107);  // 15.32 digit widths
    EXPECT_EQ(cover.columnWidth(1), cover.defaultColumnWidth());
    EXPECT_EQ(cover.rowHeight(1), 38);  // 28.35 points, 1 cm
    EXPECT_EQ(cover.rowHeight(7), 20);  // 15 points
    EXPECT_TRUE(cover.isColumnHidden(6));
    EXPECT_FALSE(cover.isColumnHidden(5));
    EXPECT_TRUE(cover.isRowHidden(9));
    EXPECT_TRUE(cover.isRowHidden(10));
    EXPECT_FALSE(cover.isRowHidden(11));
    EXPECT_FALSE(cover.isRowHidden(8));
}

TEST(XlsxReaderTest, RightAndBottomBordersMoveToTheNeighbours)
{
    const auto workbook = readFixture("layout");
    const Sheet& cover = workbook->sheet(0);
    EXPECT_EQ(cover.style(1, 2).borderLeft, BorderLine::Thin);     // B2's right
    EXPECT_EQ(cover.style(2, 1).borderTop, BorderLine::Double);    // B2's bottom
    EXPECT_EQ(cover.style(1, 1).borderLeft, BorderLine::None);
    EXPECT_EQ(cover.style(4, 3).borderLeft, BorderLine::Medium);   // medium
    EXPECT_EQ(cover.style(4, 3).borderTop, BorderLine::Dashed);    // dashed
    EXPECT_EQ(cover.style(6, 5).borderLeft, BorderLine::Thin);     // its own, not E7's thick right
}

TEST(XlsxReaderTest, FontsAlignmentAndProtection)
{
    const auto workbook = readFixture("layout");
    const Sheet& cover = workbook->sheet(0);
    const CellFont title = cover.style(0, 0).font;
    EXPECT_EQ(title.name, QStringLiteral("Arial"));
    EXPECT_EQ(title.size, 14);
    EXPECT_TRUE(title.bold);
    EXPECT_EQ(cover.style(0, 0).alignHorz, HorizontalAlignment::Center);
    // The file's default font stays, in its cells and in the empty ones.
    EXPECT_EQ(cover.style(1, 0).font.name, QStringLiteral("Arial"));
    EXPECT_EQ(cover.style(1, 0).font.size, 10);
    EXPECT_EQ(cover.style(1, 0), cover.defaultStyle());
    EXPECT_EQ(cover.style(90, 9), cover.defaultStyle());
    EXPECT_TRUE(cover.style(4, 0).font.italic);
    EXPECT_TRUE(cover.style(5, 0).font.underline);
    EXPECT_TRUE(cover.style(6, 0).font.strikeOut);
    EXPECT_FALSE(cover.style(5, 0).font.strikeOut);
    const CellFont serif = cover.style(7, 0).font;
    EXPECT_EQ(serif.name, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(serif.size, 12);
    EXPECT_EQ(cover.style(4, 1).alignHorz, HorizontalAlignment::Right);
    EXPECT_EQ(cover.style(5, 1).alignHorz, HorizontalAlignment::Center);
    EXPECT_EQ(cover.style(6, 1).alignHorz, HorizontalAlignment::Justify);
    EXPECT_EQ(cover.style(7, 1).alignHorz, HorizontalAlignment::Left);
    EXPECT_FALSE(cover.style(8, 1).locked);
    EXPECT_TRUE(cover.style(8, 0).locked);
}

TEST(XlsxReaderTest, NumberFormatsShowDatesAndDecimals)
{
    const LocaleGuard locale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    const auto workbook = readFixture("values");
    const Sheet& values = workbook->sheet(0);
    EXPECT_EQ(values.style(3, 1).numberFormat, QStringLiteral("#,##0.00"));
    EXPECT_EQ(values.displayText(3, 1), QStringLiteral("-1.234,57"));
    EXPECT_EQ(values.displayText(4, 1), QStringLiteral("25%"));
    EXPECT_EQ(values.displayText(5, 1), QStringLiteral("15/03/2024"));
    EXPECT_EQ(values.displayText(6, 1), QStringLiteral("13:30"));
    EXPECT_TRUE(values.style(2, 1).numberFormat.isEmpty());  // "General"
}

TEST(XlsxReaderTest, DatesOfThe1904SystemMoveToThe1900System)
{
    const LocaleGuard locale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    const auto workbook = readFixture("dates1904");
    const Sheet& dates = workbook->sheet(0);
    EXPECT_EQ(dates.displayText(0, 0), QStringLiteral("15/03/2024"));
    EXPECT_EQ(dates.value(0, 1).number(), 100.0);  // not a date: left alone
}

TEST(XlsxReaderTest, RecognisesPackagesByTheirFirstBytes)
{
    for (const char* name : {"formulas.xlsx", "values.xlsx", "layout.xlsx"}) {
        EXPECT_TRUE(XlsxReader::looksLikeXlsx(fileBytes(fixturePath(QString::fromLatin1(name))).left(64))) << name;
    }
    QByteArray odf("PK\x03\x04", 4);
    odf += QByteArray(22, '\0') + QByteArray("\x08\x00\x00\x00", 4) + "mimetypeapplication/vnd.oasis";
    EXPECT_FALSE(XlsxReader::looksLikeXlsx(odf));
    EXPECT_FALSE(XlsxReader::looksLikeXlsx("xl/workbook.xml but no zip"));
    EXPECT_FALSE(XlsxReader::looksLikeXlsx(QByteArray()));
}

TEST(XlsxReaderTest, UnreadableInputIsAFileFormatError)
{
    const QByteArray whole = fileBytes(fixturePath(QStringLiteral("formulas.xlsx")));
    const std::map<std::string, QByteArray> inputs{
        {"text", QByteArray("Nome;Valor\r\nA;1\r\n")},
        {"empty", QByteArray()},
        {"truncated zip", whole.left(whole.size() / 2)},
        {"zip signature only", QByteArray("PK\x03\x04", 4) + QByteArray(60, '\0')},
    };
    for (const auto& [what, bytes] : inputs) {
        WorkbookBuilder builder;
        EXPECT_THROW(XlsxReader::read(bytes, builder), FileFormatError) << what;
    }
}

TEST(SharedFormulaExpanderTest, MovesRelativePartsOnly)
{
    SharedFormulaExpander expander({QStringLiteral("Dados"), QStringLiteral("Outra folha")});
    const CellAddress master{1, 2};  // C2
    EXPECT_EQ(expander.expand("B2*2+$B$2+B$2+$B2", master, {3, 4}), QStringLiteral("=D4*2+$B$2+D$2+$B4"));
    EXPECT_EQ(expander.expand("SUM('Outra folha'!A1:A2)", master, {1, 3}), QStringLiteral("=SUM('Outra folha'!B1:B2)"));
    // Strings, names and function names that look like cells stay as they are.
    EXPECT_EQ(expander.expand("IF(A1=\"B2\",LOG10(A1),Total)", master, {2, 2}),
              QStringLiteral("=IF(A2=\"B2\";LOG10(A2);Total)"));
    EXPECT_EQ(expander.expand("A1", master, {0, 2}), QStringLiteral("=#REF!"));  // moved above row 1
    EXPECT_FALSE(expander.expand("SUM(", master, {2, 2}).has_value());
}

// ---------------------------------------------------------------- writing

// Doubles its argument; Excel has no such function.
void doubleIt(FormulaResult& result, const ArgumentTokens& arguments)
{
    QVariant value;
    if (!result.ExtractNumericParameter(value, arguments, 0)) {
        result.SetError(3);
        return;
    }
    result.AddValue(value.toDouble() * 2);
}

void oneValue(int& count, std::vector<ParamKind>& kinds)
{
    count = 1;
    kinds = {ParamKind::Value};
}

const QString kOwnFunction = QStringLiteral("XLSXTESTEDOBRO");

void registerOwnFunction()
{
    if (FunctionRepository::instance().indexOf(kOwnFunction) < 0) {
        FunctionRepository::instance().Add(kOwnFunction, doubleIt, oneValue, ResultKind::Value, 9901,
                                           FunctionCategory::UserDefined);
    }
}

CellStyle richStyle()
{
    CellStyle style;
    style.font = {QStringLiteral("Arial"), 12, true, true, false, false};
    style.alignHorz = HorizontalAlignment::Right;
    style.borderLeft = BorderLine::Thick;
    style.borderTop = BorderLine::Double;
    style.numberFormat = QStringLiteral("#,##0.00");
    style.locked = false;
    return style;
}

CellStyle underlinedStyle()
{
    CellStyle style;
    style.font.underline = true;
    style.font.strikeOut = true;
    style.alignHorz = HorizontalAlignment::Center;
    style.borderLeft = BorderLine::Thin;
    return style;
}

std::unique_ptr<Workbook> sampleWorkbook()
{
    auto workbook = std::make_unique<Workbook>();
    Sheet& first = workbook->addSheet(QStringLiteral("Folha 1"));
    Sheet& other = workbook->addSheet(QStringLiteral("Outra planilha"));
    other.setValue(0, 0, 42.0);
    first.setValue(0, 0, 1.5);
    first.setText(1, 0, QStringLiteral("olá; \"x\""), TextMode::Plain);
    first.setValue(2, 0, Value::boolean(true));
    first.setValue(3, 0, Value::error(ErrorCode::NA));
    first.setText(0, 1, QStringLiteral("=SUM(A1;10)"));
    first.setText(1, 1, QStringLiteral("=IF(A1>1;\"a;b\";\"c\")"));
    first.setText(2, 1, QStringLiteral("='Outra planilha'!A1*2"));
    first.setText(3, 1, QStringLiteral("=Total+1"));
    first.setText(4, 1, QStringLiteral("=1/0"));
    first.setText(5, 1, QStringLiteral("=A1>1"));
    first.setStyle(0, 0, richStyle());
    first.setStyle(1, 0, underlinedStyle());
    first.setText(0, 2, QStringLiteral("título"), TextMode::Plain);
    first.setStyle(0, 2, underlinedStyle());
    first.mergeCells({2, 0, 3, 1});
    first.setColumnWidth(1, 120);
    first.setColumnHidden(4, true);
    first.setRowHeight(2, 30);
    first.setRowHidden(4, true);
    workbook->defineName(QStringLiteral("Total"), QStringLiteral("'Outra planilha'!$A$1"));
    workbook->defineName(QStringLiteral("Canto"), QStringLiteral("$A$1"));
    workbook->setActiveSheet(1);
    return workbook;
}

class XlsxWriterTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }
    std::unique_ptr<Workbook> roundTrip(const Workbook& workbook)
    {
        XlsxWriter::write(workbook, path(QStringLiteral("saida.xlsx")), {});
        return readXlsx(fileBytes(path(QStringLiteral("saida.xlsx"))));
    }
    QStringList leftovers() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir_;
};

TEST_F(XlsxWriterTest, RoundTripKeepsValuesAndFormulas)
{
    const auto original = sampleWorkbook();
    const auto copy = roundTrip(*original);
    ASSERT_EQ(copy->sheetCount(), 2);
    EXPECT_EQ(copy->activeSheetIndex(), 1);
    const Sheet& before = original->sheet(0);
    const Sheet& after = copy->sheet(0);
    EXPECT_EQ(after.name(), QStringLiteral("Folha 1"));
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 2; ++column) {
            SCOPED_TRACE(cellAddressText(row, column).toStdString());
            EXPECT_EQ(after.text(row, column), before.text(row, column) == QStringLiteral("#N/A")
                                                   ? QStringLiteral("=#N/A")  // errors go out as formulas
                                                   : before.text(row, column));
            if (!before.value(row, column).isBoolean() || !before.isFormula(row, column)) {
                EXPECT_EQ(after.value(row, column), before.value(row, column));
            }
        }
    }
    EXPECT_EQ(after.value(5, 1).number(), 1.0);  // a boolean result goes out as 1
    EXPECT_EQ(after.value(2, 1).number(), 84.0);
    EXPECT_EQ(copy->sheet(1).value(0, 0).number(), 42.0);
}

// Parts are stored with zlib's fastest level, which the zip records in the
// deflate bits of each entry's flags (both set: "super fast").
TEST_F(XlsxWriterTest, PartsAreCompressedAtTheFastestLevel)
{
    XlsxWriter::write(*sampleWorkbook(), path(QStringLiteral("saida.xlsx")), {});
    const QByteArray bytes = fileBytes(path(QStringLiteral("saida.xlsx")));
    ASSERT_GT(bytes.size(), 30);
    ASSERT_TRUE(bytes.startsWith("PK\x03\x04"));
    const int flags = static_cast<unsigned char>(bytes[6]) | static_cast<unsigned char>(bytes[7]) << 8;
    const int method = static_cast<unsigned char>(bytes[8]);
    EXPECT_EQ(method, 8) << "deflated";
    EXPECT_EQ((flags >> 1) & 3, 3);
}

TEST_F(XlsxWriterTest, RoundTripKeepsStylesMergesSizesAndNames)
{
    const auto original = sampleWorkbook();
    const auto copy = roundTrip(*original);
    const Sheet& after = copy->sheet(0);
    EXPECT_EQ(after.style(0, 0), richStyle());
    EXPECT_EQ(after.style(1, 0), underlinedStyle());
    EXPECT_EQ(after.style(0, 1), CellStyle{});
    EXPECT_EQ(after.mergedAreas(), original->sheet(0).mergedAreas());
    EXPECT_EQ(after.text(0, 2), QStringLiteral("título"));  // written after the merge
    EXPECT_EQ(after.style(0, 2), underlinedStyle());
    EXPECT_EQ(after.columnWidth(1), 120);
    EXPECT_EQ(after.columnWidth(0), after.defaultColumnWidth());
    EXPECT_TRUE(after.isColumnHidden(4));
    EXPECT_EQ(after.rowHeight(2), 30);
    EXPECT_TRUE(after.isRowHidden(4));
    EXPECT_FALSE(after.isRowHidden(3));
    ASSERT_EQ(copy->names().size(), 2u);
    std::map<QString, QString> names;
    for (const DefinedName& name : copy->names()) {
        names[name.name] = name.reference;
    }
    EXPECT_EQ(names[QStringLiteral("Total")], QStringLiteral("'Outra planilha'!$A$1"));
    EXPECT_EQ(names[QStringLiteral("Canto")], QStringLiteral("'Outra planilha'!$A$1"));  // the active sheet's
}

TEST_F(XlsxWriterTest, EveryAlignmentBorderColourAndFormatSurvives)
{
    const std::vector<HorizontalAlignment> alignments{
        HorizontalAlignment::General, HorizontalAlignment::Left,    HorizontalAlignment::Center,
        HorizontalAlignment::Right,   HorizontalAlignment::Fill,    HorizontalAlignment::Justify,
        HorizontalAlignment::Distributed};
    const std::vector<BorderLine> lines{BorderLine::None,   BorderLine::Thin,   BorderLine::Thick,
                                        BorderLine::Double, BorderLine::Medium, BorderLine::Dashed,
                                        BorderLine::Dotted, BorderLine::Hair,   BorderLine::MediumDashed};
    const std::vector<VerticalAlignment> verticals{VerticalAlignment::Bottom, VerticalAlignment::Center,
                                                   VerticalAlignment::Top};
    // Black apart from automatic, and colours whose channels differ.
    const std::vector<CellColor> colors{CellColor{}, CellColor::rgb(0x000000), CellColor::rgb(0xFF8000),
                                        CellColor::rgb(0x0040C0), CellColor::rgb(0xFFFFFF)};
    const auto lineColor = [&](BorderLine line, std::size_t i) {
        return line == BorderLine::None ? CellColor{} : colors[i % colors.size()];
    };
    const std::vector<QString> codes{QString(), QStringLiteral("0.00%"), QStringLiteral("dd/mm/yyyy hh:mm"),
                                     QStringLiteral("@")};
    Workbook workbook;
    Sheet& sheet = workbook.addSheet(QStringLiteral("Formatos"));
    std::vector<std::pair<CellAddress, CellStyle>> written;
    for (std::size_t a = 0; a < alignments.size(); ++a) {
        for (std::size_t l = 0; l < lines.size(); ++l) {
            CellStyle style;
            style.alignHorz = alignments[a];
            style.borderLeft = lines[l];
            style.borderTop = lines[(l + 1) % lines.size()];
            style.numberFormat = codes[(a + l) % codes.size()];
            style.alignVert = verticals[(a + l) % verticals.size()];
            style.wrapText = (a + l) % 2 == 1;
            style.font.color = colors[a % colors.size()];
            style.fill = colors[l % colors.size()];
            style.borderLeftColor = lineColor(style.borderLeft, a + l + 1);
            style.borderTopColor = lineColor(style.borderTop, a + 2 * l);
            const CellAddress at{static_cast<int>(a) * 2, static_cast<int>(l) * 2};
            sheet.setValue(at.row, at.column, 0.25);
            sheet.setStyle(at.row, at.column, style);
            written.emplace_back(at, style);
        }
    }
    const auto copy = roundTrip(workbook);
    for (const auto& [at, style] : written) {
        EXPECT_EQ(copy->sheet(0).style(at.row, at.column), style) << cellAddressText(at.row, at.column).toStdString();
    }
}

// Excel has no default style per sheet: each cell goes out as it showed.
// Calibri 11, as new sheets have it, is also libxlsxwriter's own default
// font, and still comes back as Calibri 11.
TEST_F(XlsxWriterTest, CellsWithoutAStyleGoOutInTheirSheetsDefault)
{
    for (const auto& [name, size] : {std::pair{"Arial", 10}, std::pair{"Calibri", 11}}) {
        CellStyle base;
        base.font.name = QString::fromLatin1(name);
        base.font.size = size;
        base.alignVert = VerticalAlignment::Top;
        base.fill = CellColor::rgb(0xFFFFC0);
        Workbook workbook;
        Sheet& sheet = workbook.addSheet(QStringLiteral("Sheet1"));
        sheet.setDefaultStyle(base);
        sheet.setValue(0, 0, 1.0);
        sheet.setValue(1, 0, 2.0);
        sheet.setStyle(1, 0, CellStyle{});
        sheet.mergeCells({0, 3, 1, 3});
        const auto copy = roundTrip(workbook);
        EXPECT_EQ(copy->sheet(0).style(0, 0), base) << name;
        EXPECT_EQ(copy->sheet(0).style(1, 0), CellStyle{}) << name;
        EXPECT_EQ(copy->sheet(0).style(3, 1), base) << name;  // the blanks of a merge
        EXPECT_EQ(copy->sheet(0).defaultStyle(), base) << name;
    }
}

TEST_F(XlsxWriterTest, OwnFunctionsGoOutAsFormulasWithTheirValues)
{
    registerOwnFunction();
    Workbook workbook;
    Sheet& sheet = workbook.addSheet(QStringLiteral("Folha"));
    sheet.setValue(0, 0, 4.0);
    sheet.setText(0, 1, QStringLiteral("=SUM(A1;XLSXTESTEDOBRO(A1))"));
    sheet.setText(1, 1, QStringLiteral("=FUNCAOQUENINGUEMREGISTROU(1)"));
    sheet.setText(2, 1, QStringLiteral("=REPT(\"a\";2)"));
    sheet.setText(3, 1, QStringLiteral("=A1*2"));
    ASSERT_EQ(sheet.value(0, 1).number(), 12.0);
    const auto copy = roundTrip(workbook);
    const Sheet& after = copy->sheet(0);
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(after.text(row, 1), sheet.text(row, 1));
        EXPECT_EQ(after.value(row, 1), sheet.value(row, 1)) << row;
    }
}

TEST_F(XlsxWriterTest, BrokenFormulasGoOutAsValuesAndTheFileIsRecognised)
{
    Workbook workbook;
    Sheet& sheet = workbook.addSheet(QStringLiteral("Folha"));
    sheet.setText(0, 0, QStringLiteral("=SUM("));
    ASSERT_FALSE(sheet.formulaError(0, 0).isEmpty());
    const auto copy = roundTrip(workbook);
    EXPECT_EQ(copy->sheet(0).value(0, 0), sheet.value(0, 0));
    EXPECT_TRUE(copy->sheet(0).formulaError(0, 0).isEmpty());
    EXPECT_TRUE(XlsxReader::looksLikeXlsx(fileBytes(path(QStringLiteral("saida.xlsx"))).left(64)));
}

// The parts of a package by name, in their order.
std::vector<std::pair<std::string, QByteArray>> packageParts(const QString& path)
{
    std::vector<std::pair<std::string, QByteArray>> parts;
    unzFile zip = unzOpen64(QFile::encodeName(path).constData());
    if (!zip)
        return parts;
    for (int at = unzGoToFirstFile(zip); at == UNZ_OK; at = unzGoToNextFile(zip)) {
        std::array<char, 512> name{};
        unz_file_info64 info{};
        unzGetCurrentFileInfo64(zip, &info, name.data(), name.size() - 1, nullptr, 0, nullptr, 0);
        QByteArray text(static_cast<qsizetype>(info.uncompressed_size), '\0');
        // A checksum that does not match makes the close fail.
        const bool read = unzOpenCurrentFile(zip) == UNZ_OK
                          && unzReadCurrentFile(zip, text.data(), static_cast<unsigned>(text.size())) == text.size()
                          && unzCloseCurrentFile(zip) == UNZ_OK;
        parts.emplace_back(name.data(), read ? text : QByteArray("(ilegível)"));
    }
    unzClose(zip);
    return parts;
}

// A sheet of every kind of cell and line the writer treats apart.
void fillMixedSheet(Sheet& sheet, Workbook& workbook)
{
    const double numbers[] = {1.5, 0.1 + 0.2, 1e20, -3, 123456789012345678.0, 1e-7, 1.0 / 3, -0.0, 1234.56, 0.001,
                              999999999999.999, 2.5e-5, 1e15, -7.125, 99.995, 12345678.9};
    for (int i = 0; i < static_cast<int>(std::size(numbers)); ++i)
        sheet.setValue(i, 0, numbers[i]);
    const QString texts[] = {QStringLiteral("olá & <b> \"q\""), QStringLiteral("  espaço "), QStringLiteral("linha\nnova"),
                             QStringLiteral("a\x01" "b\rc"), QStringLiteral("_x0041_"), QString(),
                             QStringLiteral("olá & <b> \"q\""), QStringLiteral("\tinício")};
    for (int i = 0; i < static_cast<int>(std::size(texts)); ++i)
        sheet.setText(i, 1, texts[i], TextMode::Plain);
    sheet.setValue(0, 2, Value::boolean(true));
    sheet.setValue(1, 2, Value::boolean(false));
    sheet.setValue(2, 2, Value::error(ErrorCode::Div0));
    const QString formulas[] = {QStringLiteral("=A1*2"), QStringLiteral("=\"a\"&\"<b>\""), QStringLiteral("=1/0"),
                                QStringLiteral("=A1>0"), QStringLiteral("=\"\""), QStringLiteral("=Total+A4"),
                                QStringLiteral("=SUM(A1:A16)")};
    for (int i = 0; i < static_cast<int>(std::size(formulas)); ++i)
        sheet.setText(i, 3, formulas[i]);
    sheet.setText(7, 3, QStringLiteral("=1+"));  // broken: goes out as its text
    sheet.setStyle(3, 2, richStyle());  // a style alone
    sheet.setStyle(0, 1, underlinedStyle());
    sheet.mergeCells({4, 1, 6, 2});   // over cells and empty ones
    sheet.mergeCells({3, 40, 5, 42});  // rows with nothing else
    sheet.setStyle(40, 3, underlinedStyle());
    sheet.setRowHeight(2, 30);
    sheet.setRowHidden(4, true);
    sheet.setRowHeight(6, 0);
    sheet.setRowHeight(100, 25);  // lines beyond the cells
    sheet.setRowHidden(5000, true);
    sheet.setColumnWidth(1, 120);
    sheet.setValue(70000, 16383, 5.0);  // XFD70001
    for (int row = 200; row < 1400; ++row) {  // enough to fill several pieces
        sheet.setValue(row, 5, row * 1.01);
        sheet.setText(row, 6, QStringLiteral("nome %1").arg(row % 97), TextMode::Plain);
    }
    workbook.defineName(QStringLiteral("Total"), QStringLiteral("$A$1"));
}

// Cells written apart must give the package the library would have made,
// part for part and byte for byte; only the time of writing differs.
TEST_F(XlsxWriterTest, CellsWrittenApartMatchTheLibrarysOwnByteForByte)
{
    const auto expectSameParts = [&](const Workbook& workbook) {
        const QString apart = path(QStringLiteral("apart.xlsx"));
        const QString library = path(QStringLiteral("library.xlsx"));
        XlsxWriter::write(workbook, apart, {});
        XlsxWriter::write(workbook, library, {}, XlsxWriter::Cells::ByLibrary);
        const auto expected = packageParts(library);
        const auto written = packageParts(apart);
        ASSERT_EQ(written.size(), expected.size());
        ASSERT_GE(expected.size(), 9u);
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(written[i].first, expected[i].first);
            if (expected[i].first != "docProps/core.xml")
                EXPECT_EQ(written[i].second.toStdString(), expected[i].second.toStdString()) << expected[i].first;
        }
    };
    Workbook mixed;
    fillMixedSheet(mixed.addSheet(QStringLiteral("Mista")), mixed);
    mixed.addSheet(QStringLiteral("Vazia"));
    Sheet& lines = mixed.addSheet(QStringLiteral("Só linhas"));
    lines.setRowHeight(3, 40);
    lines.setRowHidden(9, true);
    Sheet& texts = mixed.addSheet(QStringLiteral("Textos"));
    texts.setText(0, 0, QStringLiteral("olá & <b> \"q\""), TextMode::Plain);
    texts.setText(1, 0, QStringLiteral("só aqui"), TextMode::Plain);
    texts.mergeCells({0, 5, 2, 5});
    expectSameParts(mixed);
    Workbook numbers;  // no texts: no table of them
    Sheet& sheet = numbers.addSheet(QStringLiteral("Números"));
    sheet.setValue(3, 2, 4.25);
    sheet.setRowHeight(8, 40);
    sheet.mergeCells({0, 10, 1, 11});
    expectSameParts(numbers);
}

// A control character in a formula's text result goes out escaped, as
// Excel escapes it: written as it is, it made the sheet part invalid XML,
// which Excel and strict XML readers refuse.
TEST_F(XlsxWriterTest, ControlCharactersInFormulaResultsGoOutEscaped)
{
    Workbook workbook;
    Sheet& sheet = workbook.addSheet(QStringLiteral("Folha"));
    sheet.setText(0, 0, QStringLiteral("=\"a\"&CHAR(1)&\"b\""));
    ASSERT_EQ(sheet.value(0, 0).text(), QStringLiteral("a\x01" "b"));
    const auto copy = roundTrip(workbook);
    EXPECT_EQ(copy->sheet(0).value(0, 0).text(), QStringLiteral("a\x01" "b"));
    const auto parts = packageParts(path(QStringLiteral("saida.xlsx")));
    const auto sheetPart = std::find_if(parts.begin(), parts.end(),
                                        [](const auto& part) { return part.first == "xl/worksheets/sheet1.xml"; });
    ASSERT_NE(sheetPart, parts.end());
    EXPECT_FALSE(sheetPart->second.contains('\x01'));
    EXPECT_TRUE(sheetPart->second.contains("<v>a_x0001_b</v>")) << sheetPart->second.toStdString();
}

// A sheet with arrays goes to the library whole, and still opens.
TEST_F(XlsxWriterTest, SheetsWithArraysAreLeftToTheLibrary)
{
    Workbook workbook;
    Sheet& sheet = workbook.addSheet(QStringLiteral("Folha"));
    sheet.setValue(0, 0, 2.0);
    sheet.setText(0, 1, QStringLiteral("=SEQUENCE(3)"));
    sheet.setText(5, 0, QStringLiteral("texto"), TextMode::Plain);
    const auto copy = roundTrip(workbook);
    EXPECT_EQ(copy->sheet(0).value(2, 1).number(), 3.0);
    EXPECT_EQ(copy->sheet(0).value(5, 0).text(), QStringLiteral("texto"));
}

// Readers put texts in cells without the editor's limit; Excel's holds.
TEST_F(XlsxWriterTest, ATextTooLongForExcelIsRefusedNamingItsCell)
{
    Workbook workbook;
    Sheet& sheet = workbook.addSheet(QStringLiteral("Folha"));
    sheet.data().cells.obtain(2, 1).setValue(Value(QString(32768, u'á')));
    try {
        XlsxWriter::write(workbook, path(QStringLiteral("saida.xlsx")), {});
        FAIL() << "gravou";
    } catch (const SpreadsheetError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("(B3)"))) << e.message().toStdString();
    }
    EXPECT_EQ(leftovers(), QStringList{});
    sheet.data().cells.obtain(2, 1).setValue(Value(QString(32767, u'á')));
    EXPECT_EQ(roundTrip(workbook)->sheet(0).value(2, 1).text().size(), 32767);
}

TEST_F(XlsxWriterTest, AFailedWriteLeavesTheTargetAsItWas)
{
    const QString target = path(QStringLiteral("saida.xlsx"));
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("conteúdo anterior");
    }
    Workbook workbook;
    workbook.addSheet(QStringLiteral("Folha")).setValue(0, 0, 1.0);
    workbook.defineName(QString(200, u'n'), QStringLiteral("Folha!$A$1"));  // longer than the file format takes
    EXPECT_THROW(XlsxWriter::write(workbook, target, {}), SpreadsheetError);
    EXPECT_EQ(fileBytes(target), QByteArray("conteúdo anterior"));
    EXPECT_EQ(leftovers(), QStringList{QStringLiteral("saida.xlsx")});
    EXPECT_THROW(XlsxWriter::write(workbook, path(QStringLiteral("nao/existe.xlsx")), {}), SpreadsheetError);
}

TEST_F(XlsxWriterTest, ReplacesAnExistingTarget)
{
    const QString target = path(QStringLiteral("saida.xlsx"));
    const auto workbook = sampleWorkbook();
    XlsxWriter::write(*workbook, target, {});
    workbook->sheet(1).setValue(0, 0, 7.0);
    XlsxWriter::write(*workbook, target, {});
    EXPECT_EQ(readXlsx(fileBytes(target))->sheet(1).value(0, 0).number(), 7.0);
    EXPECT_EQ(leftovers(), QStringList{QStringLiteral("saida.xlsx")});
}

}  // namespace
