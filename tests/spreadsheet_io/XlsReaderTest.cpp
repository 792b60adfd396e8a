// Reading Excel 97-2003 files: golden dumps of files LibreOffice wrote, and
// hand-built records for what LibreOffice does not write (user-defined
// function calls, booleans, damage of every kind).
#include "IoTestSupport.h"
#include "XlsTestWorkbook.h"

#include "ExcelBorderCodes.h"
#include "Formula.h"
#include "SheetData.h"
#include "functions/BuiltinFunctions.h"
#include "xls/BiffCellValue.h"
#include "xls/BiffCursor.h"
#include "xls/BiffFormulaDecoder.h"
#include "xls/BiffFunctionTable.h"
#include "xls/BiffLinkTable.h"
#include "xls/BiffText.h"
#include "xls/XfStyleTable.h"
#include "xls/XlsReader.h"

#include <spreadsheet/Workbook.h>
#include <spreadsheet/io/FileFormatError.h>
#include <spreadsheet/io/JsonDump.h>
#include <spreadsheet/io/WorkbookBuilder.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <span>

using namespace spreadsheet;
using namespace spreadsheet::io;
using namespace xlstest;
using spreadsheet::io::xls::BiffCellValue;
using spreadsheet::io::xls::BiffCursor;
using spreadsheet::io::xls::BiffFormulaDecoder;
using spreadsheet::io::xls::BiffFunctionTable;
using spreadsheet::io::xls::BiffLinkTable;
using spreadsheet::io::xls::XfStyleTable;

namespace {

QString dataPath(const QString& name)
{
    return iotest::dataPath(QStringLiteral("xls/") + name);
}

std::unique_ptr<Workbook> load(const QByteArray& bytes)
{
    return iotest::load<XlsReader>(bytes).workbook;
}

// The FileFormatError message a file raises, or "" when it loads.
QString formatError(const QByteArray& bytes)
{
    try {
        load(bytes);
    } catch (const FileFormatError& e) {
        return e.message();
    }
    return QString();
}

// Calls visit(type, offset of the body) for each record until it returns false.
template <typename F>
void forEachRecord(const QByteArray& stream, F visit)
{
    for (qsizetype at = 0; at + 4 <= stream.size();) {
        const int type = static_cast<unsigned char>(stream[at]) | (static_cast<unsigned char>(stream[at + 1]) << 8);
        const int length = static_cast<unsigned char>(stream[at + 2]) | (static_cast<unsigned char>(stream[at + 3]) << 8);
        if (!visit(type, at + 4)) {
            return;
        }
        at += 4 + length;
    }
}

std::span<const std::uint8_t> bytesOf(const QByteArray& a)
{
    return {reinterpret_cast<const std::uint8_t*>(a.constData()), static_cast<std::size_t>(a.size())};
}

// ---------------------------------------------------------------- golden dumps

class XlsGoldenTest : public testing::TestWithParam<const char*> {};

TEST_P(XlsGoldenTest, DumpMatchesExpected)
{
    const QString name = QString::fromLatin1(GetParam());
    const auto workbook = load(iotest::fileBytes(dataPath(name + QStringLiteral(".xls"))));
    const QByteArray dump = JsonDump::dump(*workbook);
    const QString expectedPath = dataPath(name + QStringLiteral(".json"));
    if (qEnvironmentVariableIsSet("DARVELO_UPDATE_GOLDEN")) {
        QFile out(expectedPath);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(dump);
    }
    EXPECT_EQ(dump, iotest::fileBytes(expectedPath));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, XlsGoldenTest,
                         testing::Values("formulas", "strings", "numbers_dates", "layout", "date1904"));

// The 100,000-cell file's dump is 8 MB: its hash is kept instead, with
// spot checks that say what the hash stands for.
TEST(XlsLargeFileTest, DumpHashAndSampleCells)
{
    const auto workbook = load(iotest::fileBytes(dataPath(QStringLiteral("large.xls"))));
    const QByteArray hash = QCryptographicHash::hash(JsonDump::dump(*workbook), QCryptographicHash::Sha256).toHex();
    const QString hashPath = dataPath(QStringLiteral("large.sha256"));
    if (qEnvironmentVariableIsSet("DARVELO_UPDATE_GOLDEN")) {
        QFile out(hashPath);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(hash + '\n');
    }
    EXPECT_EQ(hash + '\n', iotest::fileBytes(hashPath));
    const Sheet& s = workbook->sheet(0);
    EXPECT_EQ(s.rowCount(), 10000);
    EXPECT_EQ(s.columnCount(), 10);
    // Row 9,876: every formula column comes from a shared formula.
    EXPECT_EQ(s.text(9875, 5), QStringLiteral("=A9876+B9876"));
    EXPECT_EQ(s.text(9875, 6), QStringLiteral("=C9876*2"));
    EXPECT_EQ(s.text(9875, 7), QStringLiteral("=SUM(A9876:C9876)"));
    EXPECT_EQ(s.text(9875, 8), QStringLiteral("=IF(A9876>5000;\"alto\";\"baixo\")"));
    EXPECT_EQ(s.value(9875, 8).text(), QStringLiteral("alto"));
    EXPECT_EQ(s.text(9875, 9), QStringLiteral("=ROUND(E9876/3;2)"));
    EXPECT_DOUBLE_EQ(s.value(9875, 5).number(), 9876 * 1.5);
    EXPECT_EQ(s.value(9875, 3).text(), QStringLiteral("t26"));
}

// ------------------------------------------------------- fixtures in detail

// LibreOffice's colours, vertical alignment, wrapping and line kinds; the
// text of an unstyled cell keeps the automatic colour.
TEST(XlsFixtureTest, ColoursAlignmentWrappingAndLineKinds)
{
    const auto wb = load(iotest::fileBytes(dataPath(QStringLiteral("look.xls"))));
    const Sheet& s = wb->sheet(0);
    struct Case {
        int column;
        CellColor CellStyle::*color;
        CellColor expected;
    };
    const auto fontColor = [](const Sheet& sheet, int column) { return sheet.style(0, column).font.color; };
    EXPECT_TRUE(fontColor(s, 0).isAutomatic());
    EXPECT_EQ(fontColor(s, 1), CellColor::rgb(0xFF0000));
    const std::vector<Case> cases{
        {0, &CellStyle::fill, CellColor{}},
        {2, &CellStyle::fill, CellColor::rgb(0xFFFF00)},
        {5, &CellStyle::borderLeftColor, CellColor::rgb(0x0000FF)},
        {7, &CellStyle::borderLeftColor, CellColor::rgb(0xFF0000)},  // G1's right line
    };
    for (const Case& c : cases) {
        EXPECT_EQ(s.style(0, c.column).*c.color, c.expected) << c.column;
    }
    EXPECT_EQ(s.style(0, 3).alignVert, VerticalAlignment::Top);
    EXPECT_TRUE(s.style(0, 3).wrapText);
    EXPECT_EQ(s.style(0, 4).alignVert, VerticalAlignment::Center);
    EXPECT_EQ(s.style(0, 0).alignVert, VerticalAlignment::Bottom);
    EXPECT_EQ(s.style(0, 5).borderLeft, BorderLine::Dashed);
    EXPECT_EQ(s.style(0, 7).borderLeft, BorderLine::Medium);
}

// C1:C3 holds {=A1:A3*2}; D1 {=SUM(A1:A3*A1:A3)} fills one cell only.
TEST(XlsFixtureTest, ArrayFormulaGoesToItsTopLeftCellWithItsRange)
{
    const auto workbook = load(iotest::fileBytes(dataPath(QStringLiteral("arrays.xls"))));
    const Sheet& sheet = workbook->sheet(0);
    const Cell* anchor = sheet.data().cells.find(0, 2);
    ASSERT_TRUE(anchor && anchor->kind == CellKind::Formula);
    EXPECT_EQ(anchor->formula->arrayArea(), CellRange::normalized(0, 2, 2, 2));
    EXPECT_EQ(sheet.text(0, 2), QStringLiteral("=A1:A3*2"));
    EXPECT_EQ(sheet.text(0, 3), QStringLiteral("=SUM(A1:A3*A1:A3)"));
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(sheet.isFormula(row, 2), row == 0);
        EXPECT_EQ(sheet.value(row, 2), Value(2.0 * (row + 1)));
    }
    EXPECT_EQ(sheet.value(0, 3), Value(14.0));
}

TEST(XlsFixtureTest, FormulasFileSheetsNamesAndActiveSheet)
{
    const auto wb = load(iotest::fileBytes(dataPath(QStringLiteral("formulas.xls"))));
    ASSERT_EQ(wb->sheetCount(), 4);
    EXPECT_EQ(wb->sheet(3).name(), QStringLiteral("Mês d'água"));
    EXPECT_EQ(wb->activeSheetIndex(), 0);
    ASSERT_EQ(wb->names().size(), 2u);  // the hidden _xlfn.IFERROR name is left out
    EXPECT_EQ(wb->names()[1].reference, QStringLiteral("Dados!$A$1:$A$3"));
    // Recalculating gives what the file cached: references resolved to the
    // right sheets and cells.
    const Sheet& s = wb->sheet(0);
    const std::array<std::pair<int, int>, 6> cells{{{0, 2}, {1, 2}, {2, 2}, {23, 2}, {24, 2}, {9, 3}}};
    std::vector<Value> cached;
    for (const auto& [row, column] : cells) {
        cached.push_back(s.value(row, column));
    }
    wb->calculate();
    for (std::size_t i = 0; i < cells.size(); ++i) {
        EXPECT_EQ(s.value(cells[i].first, cells[i].second), cached[i]) << i;
    }
}

TEST(XlsFixtureTest, LayoutFileMergesSizesAndStyles)
{
    const auto wb = load(iotest::fileBytes(dataPath(QStringLiteral("layout.xls"))));
    const Sheet& s = wb->sheet(0);
    const std::vector<CellRange> merges = s.mergedAreas();
    ASSERT_EQ(merges.size(), 2u);
    EXPECT_NE(std::find(merges.begin(), merges.end(), CellRange{0, 0, 2, 0}), merges.end());
    EXPECT_NE(std::find(merges.begin(), merges.end(), CellRange{0, 2, 0, 4}), merges.end());
    EXPECT_TRUE(s.isRowHidden(5));
    EXPECT_FALSE(s.isRowHidden(6));
    EXPECT_EQ(s.rowHeight(1), 48);  // half an inch
    EXPECT_EQ(s.columnWidth(0), 187);  // two inches, through the character-width rule
    EXPECT_TRUE(s.isColumnHidden(3));
    EXPECT_FALSE(s.isColumnHidden(2));

    const CellStyle& bold = s.style(1, 0);
    EXPECT_TRUE(bold.font.bold);
    EXPECT_TRUE(bold.font.italic);
    EXPECT_EQ(bold.font.size, 14);
    EXPECT_EQ(bold.font.name, QStringLiteral("Times New Roman"));  // LibreOffice's name for Liberation Serif
    EXPECT_EQ(s.style(1, 1).alignHorz, HorizontalAlignment::Center);
    EXPECT_EQ(s.style(1, 1).font.name, QStringLiteral("Arial"));
    EXPECT_EQ(s.style(1, 1).font.size, 10);
    EXPECT_FALSE(s.style(4, 1).locked);
    EXPECT_TRUE(s.style(1, 1).locked);

    // C2 has a box: its own left and top, its right as D2's left (D2 has a
    // right border of its own, which goes on to E2), its bottom as C3's top.
    EXPECT_EQ(s.style(1, 2).borderLeft, BorderLine::Thin);
    EXPECT_EQ(s.style(1, 2).borderTop, BorderLine::Thin);
    EXPECT_EQ(s.style(1, 3).borderLeft, BorderLine::Thin);
    EXPECT_EQ(s.style(1, 4).borderLeft, BorderLine::Thin);
    EXPECT_EQ(s.style(2, 2).borderTop, BorderLine::Thin);
    // B3's bottom (LibreOffice writes its double line as a hair line) is
    // B4's top; D3's thick top stays; C4 keeps its dotted left.
    EXPECT_EQ(s.style(3, 1).borderTop, BorderLine::Hair);
    EXPECT_EQ(s.style(2, 3).borderTop, BorderLine::Thick);
    EXPECT_EQ(s.style(3, 2).borderLeft, BorderLine::Dotted);
    EXPECT_EQ(s.style(3, 3).borderLeft, BorderLine::None);
}

TEST(XlsFixtureTest, DatesKeepTheirNumberAndShowAsDates)
{
    const auto wb = load(iotest::fileBytes(dataPath(QStringLiteral("numbers_dates.xls"))));
    const Sheet& s = wb->sheet(0);
    EXPECT_EQ(s.value(2, 0).number(), 45322.0);
    EXPECT_EQ(s.style(2, 0).numberFormat, QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(s.displayText(2, 0), QStringLiteral("31/01/2024"));
    EXPECT_TRUE(s.style(2, 1).numberFormat.contains(QStringLiteral("hh:mm")));
    EXPECT_EQ(s.style(2, 2).numberFormat, QStringLiteral("hh:mm:ss"));
    EXPECT_EQ(s.style(2, 3).numberFormat, QStringLiteral("0.0%"));
    EXPECT_TRUE(s.style(0, 0).numberFormat.isEmpty());  // "General"
}

// ------------------------------------------------------------- value coding

TEST(BiffCellValueTest, RkNumbers)
{
    EXPECT_EQ(BiffCellValue::rk(0x1D6F3456), 123456789.0);  // integer
    EXPECT_EQ(BiffCellValue::rk(0xFFFFFFEE), -5.0);         // negative integer
    EXPECT_EQ(BiffCellValue::rk((125u << 2) | 3u), 1.25);   // integer / 100
    EXPECT_EQ(BiffCellValue::rk(0x3FF00000), 1.0);          // top bits of a double
    EXPECT_EQ(BiffCellValue::rk(0x3FF00001), 0.01);         // double / 100
    EXPECT_EQ(BiffCellValue::rk(0xC0000000), -2.0);
    EXPECT_EQ(BiffCellValue::rk(0x7FFFFFFE), 536870911.0);
    EXPECT_EQ(BiffCellValue::rk(0x80000002), -536870912.0);
}

TEST(BiffCellValueTest, CachedFormulaResultsAndErrorCodes)
{
    const auto result = [](const QByteArray& bytes, bool& awaits) {
        return BiffCellValue::formulaResult(std::span<const std::uint8_t, 8>(bytesOf(bytes).first<8>()), awaits);
    };
    bool awaits = true;
    EXPECT_EQ(result(f64(2.5), awaits), Value(2.5));
    EXPECT_FALSE(awaits);
    EXPECT_EQ(result(QByteArray::fromHex("000000000000FFFF"), awaits), Value(QString()));
    EXPECT_TRUE(awaits);
    EXPECT_EQ(result(QByteArray::fromHex("010001000000FFFF"), awaits), Value::boolean(true));
    EXPECT_EQ(result(QByteArray::fromHex("020007000000FFFF"), awaits), Value::error(ErrorCode::Div0));
    EXPECT_EQ(result(QByteArray::fromHex("030000000000FFFF"), awaits), Value(QString()));
    EXPECT_FALSE(awaits);
    const std::array<std::pair<int, ErrorCode>, 7> codes{{{0x00, ErrorCode::Null}, {0x07, ErrorCode::Div0},
                                                          {0x0F, ErrorCode::Value}, {0x17, ErrorCode::Ref},
                                                          {0x1D, ErrorCode::Name}, {0x24, ErrorCode::Num},
                                                          {0x2A, ErrorCode::NA}}};
    for (const auto& [code, expected] : codes) {
        ErrorCode out = ErrorCode::Value;
        EXPECT_TRUE(BiffCellValue::error(static_cast<std::uint8_t>(code), out));
        EXPECT_EQ(out, expected);
    }
    ErrorCode out = ErrorCode::Value;
    EXPECT_FALSE(BiffCellValue::error(0x2B, out));
}

// ------------------------------------------------- strings across CONTINUE

TEST(BiffCursorTest, StringSplitAcrossPartsRereadsItsWidth)
{
    // "abcd" one byte each, then a CONTINUE part whose flags byte switches
    // the remaining "éç中" to two bytes.
    const QByteArray data = u16(7) + u8(0) + QByteArray("abcd") + u8(1) + chars(QStringLiteral("éç中"), true);
    const std::array<std::size_t, 1> boundaries{7};
    BiffCursor cursor(bytesOf(data), boundaries);
    EXPECT_EQ(cursor.richString(), QStringLiteral("abcdéç中"));
    EXPECT_TRUE(cursor.atEnd());
}

TEST(BiffCursorTest, RunsAndPhoneticDataAreSkippedEvenWhenSplit)
{
    // Rich string with 2 runs and 5 bytes of phonetic data; the part break
    // falls inside the runs, where no flags byte is repeated.
    const QByteArray first = u16(3) + u8(0x0C) + u16(2) + u32(5) + QByteArray("xyz") + u32(0);
    const QByteArray second = u32(0) + QByteArray(5, 'p') + u16(2) + u8(0) + QByteArray("ok");
    const std::array<std::size_t, 1> boundaries{static_cast<std::size_t>(first.size())};
    const QByteArray data = first + second;
    BiffCursor cursor(bytesOf(data), boundaries);
    EXPECT_EQ(cursor.richString(), QStringLiteral("xyz"));
    EXPECT_EQ(cursor.richString(), QStringLiteral("ok"));
    EXPECT_TRUE(cursor.atEnd());
}

TEST(BiffCursorTest, DeclaredLengthsBeyondTheDataAreRefused)
{
    const QByteArray data = u16(60000) + u8(0) + QByteArray("short");
    BiffCursor cursor(bytesOf(data));
    EXPECT_THROW(cursor.richString(), FileFormatError);
    const QByteArray odd = u16(2) + u8(1) + u8('a');  // two-byte characters, one byte left
    BiffCursor oddCursor(bytesOf(odd));
    EXPECT_THROW(oddCursor.string16(), FileFormatError);
}

TEST(XlsSyntheticTest, SharedStringsSplitOverContinueRecords)
{
    // The table's second string starts in the SST record and ends in the
    // CONTINUE record, which first repeats the flags byte (two-byte now).
    const QByteArray head = u32(3) + u32(3) + string16(QStringLiteral("um")) + u16(6) + u8(0) + QByteArray("do");
    const QByteArray tail = u8(1) + chars(QStringLiteral("is 中"), true) + string16(QStringLiteral("três"));
    BiffBook book;
    book.globalsAfterSheets = record(0x00FC, head) + record(0x003C, tail);
    QByteArray cells;
    for (int i = 0; i < 3; ++i) {
        cells += record(0x00FD, cell(i, 0, 0) + u32(static_cast<std::uint32_t>(i)));
    }
    book.sheets.push_back({QStringLiteral("Plan1"), cells});
    const auto wb = load(xlsFile(book));
    EXPECT_EQ(wb->sheet(0).value(0, 0).text(), QStringLiteral("um"));
    EXPECT_EQ(wb->sheet(0).value(1, 0).text(), QStringLiteral("dois 中"));
    EXPECT_EQ(wb->sheet(0).value(2, 0).text(), QStringLiteral("três"));
}

// ---------------------------------------------------------- formula tokens

class BiffFormulaDecoderTest : public testing::Test {
protected:
    BiffFormulaDecoderTest()
    {
        for (const char* name : {"Plan1", "Gráfico", "Outra folha", "A1"}) {
            links.addSheet(QString::fromUtf8(name));
        }
        // Books: this workbook, then an add-in; sheets 0, 2, 3, a deleted
        // one, a range of sheets and the add-in.
        read([&](BiffCursor& c) { links.readSupBook(c); }, u16(4) + u16(0x0401));
        read([&](BiffCursor& c) { links.readSupBook(c); }, u16(1) + u16(0x3A01));
        read([&](BiffCursor& c) { links.readExternName(c, xls::BiffText()); }, u16(0) + u32(0) + string8(QStringLiteral("fpaEvValor")));
        read([&](BiffCursor& c) { links.readExternSheet(c, xls::BiffText()); },
             u16(6) + u16(0) + u16(0) + u16(0) + u16(0) + u16(2) + u16(2) + u16(0) + u16(3) + u16(3) + u16(0)
                 + u16(0xFFFF) + u16(0xFFFF) + u16(0) + u16(0) + u16(2) + u16(1) + u16(0xFFFE) + u16(0xFFFE));
        links.addName(QStringLiteral("Taxa"));
        links.addName(QStringLiteral("_xlfn.IFERROR"));
    }

    template <typename F>
    void read(F f, const QByteArray& body)
    {
        BiffCursor c(bytesOf(body));
        f(c);
    }

    QString decode(const QByteArray& tokens, CellAddress origin = {},
                   BiffFormulaDecoder::Context context = BiffFormulaDecoder::Context::Cell) const
    {
        return BiffFormulaDecoder(links).decode(bytesOf(tokens), origin, context).value_or(QStringLiteral("<none>"));
    }

    static QByteArray ref(int row, int column, bool rowRelative = true, bool columnRelative = true, int token = 0x24)
    {
        return u8(token) + u16(row) + u16(column | (rowRelative ? 0x8000 : 0) | (columnRelative ? 0x4000 : 0));
    }
    static QByteArray integer(int v) { return u8(0x1E) + u16(v); }
    static QByteArray funcVar(int argc, int index) { return u8(0x42) + u8(argc) + u16(index); }

    BiffLinkTable links;
};

TEST_F(BiffFormulaDecoderTest, OperatorsGetParenthesesOnlyWhereNeeded)
{
    const QByteArray one = integer(1);
    const QByteArray two = integer(2);
    const QByteArray three = integer(3);
    EXPECT_EQ(decode(one + two + u8(0x03) + three + u8(0x05)), QStringLiteral("(1+2)*3"));
    EXPECT_EQ(decode(one + two + three + u8(0x05) + u8(0x03)), QStringLiteral("1+2*3"));
    EXPECT_EQ(decode(one + two + three + u8(0x04) + u8(0x04)), QStringLiteral("1-(2-3)"));
    EXPECT_EQ(decode(one + two + u8(0x04) + three + u8(0x04)), QStringLiteral("1-2-3"));
    EXPECT_EQ(decode(two + two + u8(0x07) + u8(0x13)), QStringLiteral("-(2^2)"));
    EXPECT_EQ(decode(two + u8(0x13) + two + u8(0x07)), QStringLiteral("-2^2"));
    EXPECT_EQ(decode(one + two + u8(0x03) + u8(0x14)), QStringLiteral("(1+2)%"));
    EXPECT_EQ(decode(one + two + u8(0x0B) + three + u8(0x08)), QStringLiteral("(1=2)&3"));
    EXPECT_EQ(decode(one + two + u8(0x03) + u8(0x15) + three + u8(0x05)), QStringLiteral("(1+2)*3"));  // kept tParen
    EXPECT_EQ(decode(one + u8(0x12) + two + u8(0x0E)), QStringLiteral("+1<>2"));
}

TEST_F(BiffFormulaDecoderTest, ConstantsOfEveryKind)
{
    EXPECT_EQ(decode(u8(0x17) + string8(QStringLiteral("diz \"oi\""))), QStringLiteral("\"diz \"\"oi\"\"\""));
    EXPECT_EQ(decode(u8(0x17) + string8(QStringLiteral("中"))), QStringLiteral("\"中\""));
    EXPECT_EQ(decode(u8(0x1F) + f64(0.1)), QStringLiteral("0.1"));
    EXPECT_EQ(decode(u8(0x1F) + f64(1e20)), QStringLiteral("1E+20"));
    EXPECT_EQ(decode(u8(0x1D) + u8(1)), QStringLiteral("TRUE"));
    EXPECT_EQ(decode(u8(0x1C) + u8(0x2A)), QStringLiteral("#N/A"));
    EXPECT_EQ(decode(u8(0x1C) + u8(0x2B)), QStringLiteral("<none>"));  // an error the engine lacks
    EXPECT_EQ(decode(integer(1) + u8(0x16) + integer(2) + funcVar(3, 1)), QStringLiteral("IF(1;;2)"));
}

TEST_F(BiffFormulaDecoderTest, ReferencesWithAndWithoutDollars)
{
    EXPECT_EQ(decode(ref(4, 1)), QStringLiteral("B5"));
    EXPECT_EQ(decode(ref(4, 1, false, false)), QStringLiteral("$B$5"));
    EXPECT_EQ(decode(ref(4, 1, false, true)), QStringLiteral("B$5"));
    EXPECT_EQ(decode(ref(4, 1, true, false, 0x44)), QStringLiteral("$B5"));  // value class
    const QByteArray area = u8(0x25) + u16(0) + u16(2) + u16(0xC000) + u16(0x0001);
    EXPECT_EQ(decode(area), QStringLiteral("A1:$B$3"));
    const QByteArray columns = u8(0x25) + u16(0) + u16(0xFFFF) + u16(0x4000) + u16(0x0002);
    EXPECT_EQ(decode(columns), QStringLiteral("A:$C"));
    const QByteArray rows = u8(0x65) + u16(0) + u16(2) + u16(0xC000) + u16(0xC0FF);
    EXPECT_EQ(decode(rows), QStringLiteral("1:3"));
    EXPECT_EQ(decode(u8(0x2A) + u32(0)), QStringLiteral("#REF!"));
    EXPECT_EQ(decode(u8(0x2B) + u32(0) + u32(0)), QStringLiteral("#REF!"));
}

TEST_F(BiffFormulaDecoderTest, SheetReferencesThroughTheExternSheetList)
{
    EXPECT_EQ(decode(u8(0x3A) + u16(0) + u16(0) + u16(0xC000)), QStringLiteral("Plan1!A1"));
    EXPECT_EQ(decode(u8(0x3B) + u16(1) + u16(0) + u16(1) + u16(0) + u16(0xC001)),
              QStringLiteral("'Outra folha'!$A$1:B2"));
    EXPECT_EQ(decode(u8(0x3A) + u16(2) + u16(0) + u16(0)), QStringLiteral("'A1'!$A$1"));  // a name like a cell
    EXPECT_EQ(decode(u8(0x3A) + u16(3) + u16(0) + u16(0)), QStringLiteral("#REF!"));      // deleted sheet
    EXPECT_EQ(decode(u8(0x3A) + u16(4) + u16(0) + u16(0)), QStringLiteral("<none>"));     // a range of sheets
    EXPECT_EQ(decode(u8(0x3A) + u16(9) + u16(0) + u16(0)), QStringLiteral("<none>"));     // no such entry
    EXPECT_EQ(decode(u8(0x3C) + u16(0) + u32(0)), QStringLiteral("#REF!"));
}

TEST_F(BiffFormulaDecoderTest, SharedFormulaOffsetsWrapAroundTheSheet)
{
    // One row up and two columns left of the cell that uses it, stored as
    // 0xFFFF and 0xFE; the absolute column stays.
    const QByteArray tokens = u8(0x2C) + u16(0xFFFF) + u16(0xC0FE) + u8(0x2C) + u16(0) + u16(0x0003) + u8(0x03);
    EXPECT_EQ(decode(tokens, {5, 4}, BiffFormulaDecoder::Context::Shared), QStringLiteral("C5+$D$1"));
    const QByteArray area = u8(0x2D) + u16(0) + u16(2) + u16(0xC000) + u16(0xC001);
    EXPECT_EQ(decode(area + funcVar(1, 4), {9, 2}, BiffFormulaDecoder::Context::Shared), QStringLiteral("SUM(C10:D12)"));
    // A sheet reference in a shared formula is relative to the cell as well;
    // in a cell's own formula the same bytes are a position.
    const QByteArray sheetRef = u8(0x3A) + u16(0) + u16(1) + u16(0xC001);
    EXPECT_EQ(decode(sheetRef, {5, 4}, BiffFormulaDecoder::Context::Shared), QStringLiteral("Plan1!F7"));
    EXPECT_EQ(decode(sheetRef, {5, 4}), QStringLiteral("Plan1!B2"));
}

TEST_F(BiffFormulaDecoderTest, FunctionsBuiltInNewAndUserDefined)
{
    EXPECT_EQ(decode(ref(0, 0) + u8(0x41) + u16(32)), QStringLiteral("LEN(A1)"));  // fixed arguments
    EXPECT_EQ(decode(ref(0, 0) + u8(0x19) + u8(0x10) + u16(0)), QStringLiteral("SUM(A1)"));  // tAttrSum
    EXPECT_EQ(decode(u8(0x41) + u16(34)), QStringLiteral("TRUE()"));
    // A call through a name: the add-in's and the hidden "_xlfn." one.
    const QByteArray udf = u8(0x39) + u16(5) + u16(1) + u16(0) + ref(1, 1) + integer(2) + funcVar(3, 255);
    EXPECT_EQ(decode(udf), QStringLiteral("fpaEvValor(B2;2)"));
    const QByteArray iferror = u8(0x23) + u16(2) + u16(0) + integer(1) + integer(0) + u8(0x06) + integer(0) + funcVar(3, 255);
    EXPECT_EQ(decode(iferror), QStringLiteral("IFERROR(1/0;0)"));
    EXPECT_EQ(decode(integer(7) + funcVar(1, 400)), QStringLiteral("_xlfnUNKNOWN400(7)"));
    EXPECT_EQ(decode(integer(7) + u8(0x21) + u16(400)), QStringLiteral("<none>"));  // unknown size of call
    EXPECT_EQ(decode(integer(7) + funcVar(2, 255)), QStringLiteral("<none>"));       // no name first
    EXPECT_EQ(decode(integer(7) + u8(0x22) + u8(1) + u16(0x8000 | 4)), QStringLiteral("<none>"));  // a command
    EXPECT_EQ(decode(u8(0x23) + u16(1) + u16(0)), QStringLiteral("Taxa"));
    EXPECT_EQ(decode(u8(0x23) + u16(3) + u16(0)), QStringLiteral("<none>"));  // no third name
}

TEST_F(BiffFormulaDecoderTest, AttributesAndCachedSubexpressionsAreSkipped)
{
    // CHOOSE(2;"a";"b") with its jump table, spaces and a volatile mark.
    const QByteArray choose = u8(0x19) + u8(0x01) + u16(0) + integer(2) + u8(0x19) + u8(0x04) + u16(2) + u16(6)
                              + u16(10) + u16(14) + u8(0x17) + string8(QStringLiteral("a")) + u8(0x19) + u8(0x40)
                              + u16(0x0100) + u8(0x17) + string8(QStringLiteral("b")) + funcVar(3, 100);
    EXPECT_EQ(decode(choose), QStringLiteral("CHOOSE(2;\"a\";\"b\")"));
    const QByteArray mem = u8(0x26) + u32(0) + u16(6) + ref(0, 0) + funcVar(1, 4);
    EXPECT_EQ(decode(mem), QStringLiteral("SUM(A1)"));
    const QByteArray memErr = u8(0x67) + u32(0) + u16(6) + ref(0, 0) + funcVar(1, 4);
    EXPECT_EQ(decode(memErr), QStringLiteral("SUM(A1)"));
    const QByteArray memFunc = u8(0x29) + u16(5) + ref(0, 0) + u8(0x41) + u16(32);
    EXPECT_EQ(decode(memFunc), QStringLiteral("LEN(A1)"));
}

TEST_F(BiffFormulaDecoderTest, NamesMayJoinAreasAndCellsMayNot)
{
    const QByteArray two = u8(0x3A) + u16(0) + u16(0) + u16(0) + u8(0x3B) + u16(1) + u16(2) + u16(4) + u16(1) + u16(2) + u8(0x10);
    EXPECT_EQ(decode(two, {}, BiffFormulaDecoder::Context::Name), QStringLiteral("Plan1!$A$1;'Outra folha'!$B$3:$C$5"));
    EXPECT_EQ(decode(two), QStringLiteral("<none>"));
}

TEST_F(BiffFormulaDecoderTest, DamagedTokensGiveNoFormula)
{
    EXPECT_EQ(decode({}), QStringLiteral("<none>"));
    EXPECT_EQ(decode(u8(0x03)), QStringLiteral("<none>"));                 // operator without operands
    EXPECT_EQ(decode(integer(1) + integer(2)), QStringLiteral("<none>"));  // two results
    EXPECT_EQ(decode(u8(0x24) + u8(1)), QStringLiteral("<none>"));         // token cut short
    EXPECT_EQ(decode(u8(0x1F) + f64(std::nan(""))), QStringLiteral("<none>"));
    EXPECT_EQ(decode(u8(0x20) + QByteArray(7, '\0')), QStringLiteral("<none>"));  // array constant
    EXPECT_EQ(decode(u8(0x18) + u8(0)), QStringLiteral("<none>"));
    // An expression whose text would pass the engine's length limit.
    QByteArray chain = integer(1);
    for (int i = 0; i < 5000; ++i) {
        chain += integer(1) + u8(0x03);
    }
    EXPECT_EQ(decode(chain), QStringLiteral("<none>"));
}

// --------------------------------------------------------------- functions

TEST(BiffFunctionTableTest, NamesTheEngineFunctionsOfTheFormat)
{
    // Worksheet functions of the format that the engine does not calculate;
    // their calls read as #NAME? like any unknown function.
    const QSet<QString> notInEngine{QStringLiteral("CELL"), QStringLiteral("INFO"), QStringLiteral("GETPIVOTDATA")};
    QSet<QString> inTable;
    for (const auto& f : BiffFunctionTable::all()) {
        const QString name = QString::fromLatin1(f.name);
        EXPECT_FALSE(inTable.contains(name)) << f.name;
        inTable.insert(name);
        EXPECT_TRUE(findBuiltin(name) >= 0 || notInEngine.contains(name)) << f.name;
    }
}

TEST(BiffFunctionTableTest, IndexesAndArgumentCounts)
{
    const std::array<std::tuple<int, const char*, int>, 12> known{{
        {0, "COUNT", -1}, {1, "IF", -1}, {4, "SUM", -1}, {27, "ROUND", 2}, {30, "REPT", 2}, {32, "LEN", 1},
        {65, "DATE", 3}, {102, "VLOOKUP", -1}, {221, "TODAY", 0}, {228, "SUMPRODUCT", -1}, {337, "POWER", 2},
        {346, "COUNTIF", 2},
    }};
    for (const auto& [index, name, args] : known) {
        const auto* f = BiffFunctionTable::find(index);
        ASSERT_NE(f, nullptr) << index;
        EXPECT_STREQ(f->name, name);
        EXPECT_EQ(f->args, args) << name;
    }
    EXPECT_EQ(BiffFunctionTable::find(255), nullptr);  // the call through a name
    EXPECT_EQ(BiffFunctionTable::find(53), nullptr);   // a macro command
}

// ------------------------------------------------------------------ styles

// Every line has an Excel code of its own, which xls and xlsx files read
// back as that line.
TEST(XfStyleTableTest, EveryBorderLineHasACodeThatReadsBackAsIt)
{
    using BL = BorderLine;
    for (BL line : {BL::None, BL::Thin, BL::Thick, BL::Double, BL::Medium, BL::Dashed, BL::Dotted, BL::Hair,
                    BL::MediumDashed}) {
        EXPECT_EQ(XfStyleTable::borderLine(spreadsheet::io::ExcelBorderCodes::code(line)), line) << int(line);
    }
}

TEST(XfStyleTableTest, DateFormatsByIndexAndByCode)
{
    for (int index : {14, 15, 16, 17, 18, 19, 20, 21, 22, 45, 46, 47}) {
        EXPECT_TRUE(XfStyleTable::isDateFormat(index, XfStyleTable::builtinFormatCode(index))) << index;
    }
    for (int index : {0, 1, 2, 3, 4, 9, 10, 11, 37, 44, 48, 49}) {
        EXPECT_FALSE(XfStyleTable::isDateFormat(index, XfStyleTable::builtinFormatCode(index))) << index;
    }
    for (const char* code : {"dd/mm/yyyy", "yyyy", "hh:mm", "[h]:mm:ss", "d \"de\" mmmm", "[$-416]dddd"}) {
        EXPECT_TRUE(XfStyleTable::isDateFormat(200, QString::fromUtf8(code))) << code;
    }
    for (const char* code : {"0.00", "#,##0 \"dias\"", "[Red]0.00", "\"d\" 0", "\\d0", "0%", "@", ""}) {
        EXPECT_FALSE(XfStyleTable::isDateFormat(200, QString::fromUtf8(code))) << code;
    }
}

// A sheet whose cells all use the given XFs (after the default XF 0).
BiffBook styledBook(const QByteArray& xfs, const QByteArray& cells)
{
    BiffBook book;
    book.globals = font(200, QStringLiteral("Arial")) + font(240, QStringLiteral("Verdana"), true)
                   + record(0x041E, u16(164) + string16(QStringLiteral("dd/mm/yyyy"))) + xf(0, 0) + xfs;
    book.sheets.push_back({QStringLiteral("Plan1"), cells});
    return book;
}

TEST(XlsSyntheticTest, VerticalAlignmentAndWrappingComeFromTheAlignmentByte)
{
    struct Case {
        int align;
        VerticalAlignment vertical;
        bool wrap;
    };
    const std::vector<Case> cases{
        {0x20, VerticalAlignment::Bottom, false}, {0x10, VerticalAlignment::Center, false},
        {0x08, VerticalAlignment::Top, true},     {0x3B, VerticalAlignment::Top, true},  // justified, right aligned
        {0x70, VerticalAlignment::Bottom, false},                                        // no such code
    };
    QByteArray xfs, cells;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        xfs += xf(0, 0, 0, 0, 0, 0, cases[i].align);
        cells += number(int(i), 0, 1.0, int(i) + 1);
    }
    const auto wb = load(xlsFile(styledBook(xfs, cells)));
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const CellStyle& style = wb->sheet(0).style(int(i), 0);
        EXPECT_EQ(style.alignVert, cases[i].vertical) << i;
        EXPECT_EQ(style.wrapText, cases[i].wrap) << i;
    }
}

TEST(XlsSyntheticTest, RightAndBottomBordersMoveToTheNeighbours)
{
    // XF 1: thin right, medium bottom. XF 2: double left. XF 3: hair top.
    const QByteArray xfs = xf(0, 0, 0, 1, 0, 2) + xf(0, 0, 6, 0, 0, 0) + xf(0, 0, 0, 0, 7, 0);
    const QByteArray cells = number(1, 1, 1, 1) + number(1, 2, 2, 2) + number(1, 4, 3, 1) + number(3, 4, 4, 1)
                             + number(4, 4, 5, 3);
    const auto wb = load(xlsFile(styledBook(xfs, cells)));
    const Sheet& s = wb->sheet(0);
    EXPECT_EQ(s.style(1, 2).borderLeft, BorderLine::Double);  // C2 keeps its own
    EXPECT_EQ(s.style(2, 1).borderTop, BorderLine::Medium);   // B3 was empty: it gets a style
    EXPECT_EQ(s.style(1, 5).borderLeft, BorderLine::Thin);    // F2 likewise
    EXPECT_EQ(s.style(4, 4).borderTop, BorderLine::Hair);     // E5's own hair line wins over E4's medium
    EXPECT_EQ(s.style(2, 4).borderTop, BorderLine::Medium);
    EXPECT_EQ(s.style(1, 1).borderLeft, BorderLine::None);
    EXPECT_EQ(s.style(1, 1).font.name, QStringLiteral("Arial"));
    EXPECT_EQ(s.style(1, 1).font.size, 10);
}

TEST(XlsSyntheticTest, FontIndexFourIsSkippedAndAlignmentsMap)
{
    // Fonts 0-3 are Arial, index 5 is the fifth FONT record.
    BiffBook book;
    for (int i = 0; i < 4; ++i) {
        book.globals += font(200, QStringLiteral("Arial"));
    }
    book.globals += font(280, QStringLiteral("Courier New"), true) + xf(0, 0);
    for (int align = 0; align < 8; ++align) {
        book.globals += xf(5, 14, 0, 0, 0, 0, align, align % 2 == 0);
    }
    QByteArray cells;
    for (int align = 0; align < 8; ++align) {
        cells += number(0, align, 45000, align + 1);
    }
    book.sheets.push_back({QStringLiteral("Plan1"), cells});
    const auto wb = load(xlsFile(book));
    const Sheet& s = wb->sheet(0);
    EXPECT_EQ(s.style(0, 0).font.name, QStringLiteral("Courier New"));
    EXPECT_TRUE(s.style(0, 0).font.bold);
    EXPECT_EQ(s.style(0, 0).font.size, 14);
    EXPECT_EQ(s.style(0, 0).numberFormat, QStringLiteral("dd/mm/yyyy"));
    using HA = HorizontalAlignment;
    const std::array<HA, 8> expected{HA::General, HA::Left,    HA::Center, HA::Right,
                                     HA::Fill,    HA::Justify, HA::Center, HA::Distributed};
    for (int align = 0; align < 8; ++align) {
        EXPECT_EQ(s.style(0, align).alignHorz, expected[static_cast<std::size_t>(align)]) << align;
        EXPECT_EQ(s.style(0, align).locked, align % 2 == 0) << align;
    }
}

// ---------------------------------------------------- hand-built workbooks

// Names and links for calls through names: this workbook's book, an add-in
// book with "fpaEvValor", a hidden function name and a defined name.
BiffBook udfBook(const QByteArray& cells)
{
    BiffBook book;
    book.globalsAfterSheets =
        record(0x01AE, u16(1) + u16(0x0401)) + record(0x01AE, u16(1) + u16(0x3A01))
        + record(0x0023, u16(0) + u32(0) + string8(QStringLiteral("fpaEvValor")) + u16(2) + u8(0x1C) + u8(0x17))
        + record(0x0017, u16(2) + u16(0) + u16(0) + u16(0) + u16(1) + u16(0xFFFE) + u16(0xFFFE))
        + record(0x0018, u16(0x000B) + u8(0) + u8(13) + u16(0) + u16(0) + u16(0) + u32(0) + u8(0)
                             + QByteArray("_xlfn.IFERROR"))
        + record(0x0018, u16(0) + u8(0) + u8(4) + u16(7) + u16(0) + u16(0) + u32(0) + u8(0) + QByteArray("Taxa")
                             + u8(0x3A) + u16(0) + u16(0) + u16(1))
        + record(0x0018, u16(0x0020) + u8(0) + u8(1) + u16(11) + u16(0) + u16(1) + u32(0) + u8(0) + u8(0x06)
                             + u8(0x3B) + u16(0) + u16(0) + u16(9) + u16(0) + u16(3));
    book.sheets.push_back({QStringLiteral("Plan1"), cells});
    return book;
}

TEST(XlsSyntheticTest, UserDefinedFunctionCallsKeepTheirNames)
{
    const QByteArray udf = u8(0x39) + u16(1) + u16(1) + u16(0) + u8(0x24) + u16(0) + u16(0xC001) + u8(0x1E) + u16(2)
                           + u8(0x42) + u8(3) + u16(255);
    const QByteArray iferror = u8(0x23) + u16(1) + u16(0) + u8(0x1E) + u16(1) + u8(0x1E) + u16(0) + u8(0x06)
                               + u8(0x1E) + u16(0) + u8(0x42) + u8(3) + u16(255);
    const QByteArray unknown = u8(0x1E) + u16(1) + u8(0x42) + u8(1) + u16(400);
    const QByteArray macro = u8(0x1E) + u16(1) + u8(0x21) + u16(53);
    const QByteArray badName = u8(0x39) + u16(1) + u16(9) + u16(0) + u8(0x42) + u8(1) + u16(255);
    const QByteArray name = u8(0x23) + u16(2) + u16(0) + u8(0x1E) + u16(2) + u8(0x05);
    const QByteArray cells = number(0, 1, 5) + formula(0, 0, udf, 42) + formula(1, 0, iferror, 0)
                             + formula(2, 0, unknown, 7) + formula(3, 0, macro, 8) + formula(4, 0, badName, 9)
                             + formula(5, 0, name, 10);
    const auto wb = load(xlsFile(udfBook(cells)));
    Sheet& s = wb->sheet(0);
    EXPECT_EQ(s.text(0, 0), QStringLiteral("=fpaEvValor(B1;2)"));
    EXPECT_EQ(s.value(0, 0), Value(42.0));  // as cached
    EXPECT_EQ(s.text(1, 0), QStringLiteral("=IFERROR(1/0;0)"));
    EXPECT_EQ(s.text(2, 0), QStringLiteral("=_xlfnUNKNOWN400(1)"));
    EXPECT_FALSE(s.isFormula(3, 0));  // a macro command: its value stays
    EXPECT_EQ(s.value(3, 0), Value(8.0));
    EXPECT_FALSE(s.isFormula(4, 0));
    EXPECT_EQ(s.text(5, 0), QStringLiteral("=Taxa*2"));
    // Only the user's own name is defined: not the function, not Print_Area.
    ASSERT_EQ(wb->names().size(), 1u);
    EXPECT_EQ(wb->names()[0].reference, QStringLiteral("Plan1!$B$1"));
    wb->calculate();
    EXPECT_EQ(s.value(0, 0), Value::error(ErrorCode::Name));
    EXPECT_EQ(s.value(1, 0), Value(0.0));
    EXPECT_EQ(s.value(2, 0), Value::error(ErrorCode::Name));
    EXPECT_EQ(s.value(5, 0), Value(10.0));
}

TEST(XlsSyntheticTest, CellRecordsOfEveryKind)
{
    const QByteArray mulRk = record(0x00BD, u16(2) + u16(1) + u16(0) + u32(0x3FF00000) + u16(0) + u32((7u << 2) | 2u)
                                                + u16(3));
    const QByteArray cells =
        record(0x0205, cell(0, 0, 0) + u8(1) + u8(0)) + record(0x0205, cell(0, 1, 0) + u8(0x24) + u8(1))
        + record(0x0204, cell(1, 0, 0) + string16(QStringLiteral("rótulo"))) + record(0x027E, cell(1, 1, 0) + u32(0x3FF00001))
        + mulRk + record(0x00BE, u16(3) + u16(0) + u16(0) + u16(0) + u16(1)) + record(0x0201, cell(4, 4, 0))
        + textFormula(5, 0, u8(0x17) + string8(QStringLiteral("abc")), QStringLiteral("abc"))
        + formula(6, 0, u8(0x1D) + u8(1), 0);
    BiffBook book;
    book.sheets.push_back({QStringLiteral("Plan1"), cells});
    const auto wb = load(xlsFile(book));
    const Sheet& s = wb->sheet(0);
    EXPECT_EQ(s.value(0, 0), Value::boolean(true));
    EXPECT_EQ(s.value(0, 1), Value::error(ErrorCode::Num));
    EXPECT_EQ(s.value(1, 0), Value(QStringLiteral("rótulo")));
    EXPECT_EQ(s.value(1, 1), Value(0.01));
    EXPECT_EQ(s.value(2, 1), Value(1.0));
    EXPECT_EQ(s.value(2, 2), Value(7.0));
    EXPECT_TRUE(s.value(3, 0).isEmpty());
    EXPECT_EQ(s.value(5, 0), Value(QStringLiteral("abc")));
    EXPECT_EQ(s.text(5, 0), QStringLiteral("=\"abc\""));
    EXPECT_EQ(s.text(6, 0), QStringLiteral("=TRUE"));
}

TEST(XlsSyntheticTest, SharedFormulasExpandPerCellAndArrayFormulasStayAtTheirAnchor)
{
    // C1:C3 share "A1*2" (relative); E1:E2 hold one array formula.
    const QByteArray shared = u8(0x4C) + u16(0) + u16(0xC0FE) + u8(0x1E) + u16(2) + u8(0x05);
    const QByteArray exp = u8(0x01) + u16(0) + u16(2);
    const QByteArray arrayExp = u8(0x01) + u16(0) + u16(4);
    const QByteArray array = u8(0x25) + u16(0) + u16(1) + u16(0xC000) + u16(0xC000) + u8(0x42) + u8(1) + u16(4);
    QByteArray cells = number(0, 0, 1) + number(1, 0, 2) + number(2, 0, 3);
    cells += formula(0, 2, exp, 2, 0, 0x08) + record(0x04BC, u16(0) + u16(2) + u8(2) + u8(2) + u8(0) + u8(3)
                                                                    + u16(static_cast<int>(shared.size())) + shared);
    cells += formula(1, 2, exp, 4, 0, 0x08) + formula(2, 2, exp, 6, 0, 0x08);
    cells += formula(0, 4, arrayExp, 3) + record(0x0221, u16(0) + u16(1) + u8(4) + u8(4) + u16(0) + u32(0)
                                                             + u16(static_cast<int>(array.size())) + array);
    cells += formula(1, 4, arrayExp, 3);
    cells += formula(3, 2, u8(0x01) + u16(40) + u16(0), 99);  // points at nothing: value kept
    BiffBook book;
    book.sheets.push_back({QStringLiteral("Plan1"), cells});
    const auto wb = load(xlsFile(book));
    const Sheet& s = wb->sheet(0);
    EXPECT_EQ(s.text(0, 2), QStringLiteral("=A1*2"));
    EXPECT_EQ(s.text(1, 2), QStringLiteral("=A2*2"));
    EXPECT_EQ(s.text(2, 2), QStringLiteral("=A3*2"));
    EXPECT_EQ(s.value(2, 2), Value(6.0));
    EXPECT_EQ(s.text(0, 4), QStringLiteral("=SUM(A1:A2)"));
    // The array's other cell shows its part of the array, as saved.
    EXPECT_FALSE(s.isFormula(1, 4));
    EXPECT_EQ(s.value(1, 4), Value(3.0));
    EXPECT_FALSE(s.isFormula(3, 2));
    EXPECT_EQ(s.value(3, 2), Value(99.0));
}

TEST(XlsSyntheticTest, ChartSheetsAreSkippedAndTheActiveTabFollows)
{
    BiffBook book;
    // WINDOW1 with the third tab active; the second tab is a chart.
    book.globals = record(0x003D, u16(0) + u16(0) + u16(100) + u16(100) + u16(0x38) + u16(2) + u16(0) + u16(1) + u16(600));
    book.sheets.push_back({QStringLiteral("Plan1"), number(0, 0, 1)});
    book.sheets.push_back({QStringLiteral("Gráfico"), QByteArray(), 2});
    book.sheets.push_back({QStringLiteral("Plan3"), number(0, 0, 3)});
    const auto wb = load(xlsFile(book));
    // The bare stream reads the same as the file that wraps it.
    WorkbookBuilder bare;
    XlsReader::readStream(book.stream(), bare);
    EXPECT_EQ(JsonDump::dump(*bare.finish()), JsonDump::dump(*wb));
    ASSERT_EQ(wb->sheetCount(), 2);
    EXPECT_EQ(wb->sheet(1).name(), QStringLiteral("Plan3"));
    EXPECT_EQ(wb->activeSheetIndex(), 1);
    EXPECT_EQ(wb->sheet(1).value(0, 0), Value(3.0));
}

TEST(XlsSyntheticTest, RowsColumnsAndMerges)
{
    const QByteArray cells =
        record(0x0225, u16(0) + u16(300)) + record(0x0208, u16(2) + u16(0) + u16(1) + u16(600) + u32(0) + u16(0x0140) + u16(15))
        + record(0x0208, u16(3) + u16(0) + u16(1) + u16(300) + u32(0) + u16(0x0120) + u16(15))
        + record(0x0208, u16(4) + u16(0) + u16(1) + u16(300) + u32(0) + u16(0x0100) + u16(15))
        + record(0x007D, u16(1) + u16(2) + u16(256 * 10) + u16(0) + u16(0) + u16(0))
        + record(0x007D, u16(250) + u16(300) + u16(0) + u16(0) + u16(1) + u16(0))
        + record(0x00E5, u16(3) + u16(0) + u16(1) + u16(0) + u16(2) + u16(5) + u16(3) + u16(0) + u16(0) + u16(7)
                             + u16(7) + u16(0) + u16(300));
    BiffBook book;
    book.sheets.push_back({QStringLiteral("Plan1"), cells});
    const auto wb = load(xlsFile(book));
    const Sheet& s = wb->sheet(0);
    EXPECT_EQ(s.rowHeight(2), 40);   // 600 twips
    EXPECT_TRUE(s.isRowHidden(3));
    EXPECT_EQ(s.rowHeight(4), s.defaultRowHeight());  // the sheet's default height: nothing set
    EXPECT_EQ(s.columnWidth(1), 75);  // 10 characters
    EXPECT_EQ(s.columnWidth(2), 75);
    EXPECT_TRUE(s.isColumnHidden(255));
    EXPECT_FALSE(s.isColumnHidden(256));  // clamped to the format's last column
    ASSERT_EQ(s.mergedAreas().size(), 1u);  // the reversed and the too-wide areas are dropped
    EXPECT_EQ(s.mergedAreas()[0], (CellRange{0, 0, 2, 1}));
}

TEST(XlsSyntheticTest, Dates1904MoveOnlyDateCells)
{
    // XF 3 is "[hh]:mm:ss", XF 4 the built-in "[h]:mm:ss", XF 5 "h:mm:ss":
    // lengths of time and times of day, not dates.
    BiffBook book = styledBook(xf(0, 164) + xf(0, 2) + xf(0, 165) + xf(0, 46) + xf(0, 21),
                               number(0, 0, 100, 1) + number(0, 1, 100, 2) + formula(0, 2, u8(0x1E) + u16(1), 200, 1)
                                   + number(0, 3, 1.5, 3) + number(0, 4, 1.5, 4) + number(0, 5, 0.5, 5));
    book.globals += record(0x0022, u16(1)) + record(0x041E, u16(165) + string16(QStringLiteral("[hh]:mm:ss")));
    const auto wb = load(xlsFile(book));
    EXPECT_EQ(wb->sheet(0).value(0, 0), Value(1562.0));
    EXPECT_EQ(wb->sheet(0).value(0, 1), Value(100.0));
    EXPECT_EQ(wb->sheet(0).value(0, 2), Value(1662.0));
    EXPECT_EQ(wb->sheet(0).value(0, 3), Value(1.5));
    EXPECT_EQ(wb->sheet(0).value(0, 4), Value(1.5));
    EXPECT_EQ(wb->sheet(0).value(0, 5), Value(0.5));
}

// ------------------------------------------------------------ bad input

TEST(XlsBadInputTest, NotAnXlsFile)
{
    EXPECT_FALSE(XlsReader::looksLikeXls(QByteArray("nome;valor\nA;1\n")));
    EXPECT_TRUE(XlsReader::looksLikeXls(iotest::fileBytes(dataPath(QStringLiteral("formulas.xls"))).left(8)));
    EXPECT_FALSE(formatError(QByteArray("nome;valor\nA;1\n")).isEmpty());
    EXPECT_FALSE(formatError(QByteArray()).isEmpty());
    EXPECT_FALSE(formatError(QByteArray::fromHex("D0CF11E0A1B11AE1")).isEmpty());  // the signature alone
}

TEST(XlsBadInputTest, TruncatedFiles)
{
    // Cuts inside the header, the allocation table and the workbook stream.
    // (A cut that spares the workbook stream, say in a trailing summary
    // stream, still loads: nothing the reader needs is missing.)
    const QByteArray whole = iotest::fileBytes(dataPath(QStringLiteral("strings.xls")));
    for (const qsizetype size : {qsizetype(100), qsizetype(512), qsizetype(4096), whole.size() / 2, whole.size() * 3 / 4}) {
        EXPECT_FALSE(formatError(whole.left(size)).isEmpty()) << size;
    }
}

TEST(XlsBadInputTest, DamagedContainer)
{
    BiffBook book;
    book.sheets.push_back({QStringLiteral("Plan1"), number(0, 0, 1)});
    const QByteArray stream = padded(book.stream());
    ASSERT_TRUE(formatError(compoundFile(stream)).isEmpty());
    // A chain that loops back before the stream's end, one that leaves the
    // file and one that ends before the stream does.
    const int sectors = static_cast<int>((stream.size() + 511) / 512);
    std::vector<std::uint32_t> loop;
    for (int i = 0; i < sectors; ++i) {
        loop.push_back(static_cast<std::uint32_t>(i + 1 < sectors ? i + 3 : 0xFFFFFFFE));
    }
    loop[3] = 3;  // the fourth sector (number 5) leads back to the second
    EXPECT_FALSE(formatError(compoundFile(stream, QStringLiteral("Workbook"), loop)).isEmpty());
    std::vector<std::uint32_t> outside(loop);
    outside[1] = 5000;
    EXPECT_FALSE(formatError(compoundFile(stream, QStringLiteral("Workbook"), outside)).isEmpty());
    std::vector<std::uint32_t> shortChain(loop);
    shortChain[2] = 0xFFFFFFFE;
    EXPECT_FALSE(formatError(compoundFile(stream, QStringLiteral("Workbook"), shortChain)).isEmpty());
    EXPECT_EQ(formatError(compoundFile(stream, QStringLiteral("Outro"))),
              QStringLiteral("O arquivo não contém uma pasta de trabalho do Excel."));
    EXPECT_TRUE(formatError(compoundFile(stream, QStringLiteral("Book"))).isEmpty());  // the BOF says Excel 97
    EXPECT_EQ(formatError(compoundFile(stream, QStringLiteral("EncryptedPackage"))),
              QStringLiteral("Arquivo protegido por senha não é suportado."));
}

TEST(XlsBadInputTest, DamagedRecords)
{
    // A large globals record keeps the stream out of the mini stream, so the
    // stream can end exactly where the test wants.
    BiffBook book;
    book.globals = record(0x00EB, QByteArray(4200, '\0'));
    book.sheets.push_back({QStringLiteral("Plan1"), number(0, 0, 1)});
    const QByteArray stream = book.stream();
    ASSERT_TRUE(formatError(compoundFile(stream)).isEmpty());
    // The sheet's NUMBER record claims more bytes than the stream holds.
    const qsizetype at = stream.lastIndexOf(QByteArray::fromHex("03020E00"));
    ASSERT_GT(at, 0);
    // Each is read as far as it goes, with a warning (XlsDamageTest).
    QByteArray longRecord = stream;
    longRecord.replace(at + 2, 2, u16(0x7000));
    EXPECT_TRUE(formatError(compoundFile(longRecord)).isEmpty());
    // The stream stops before the sheet's EOF, or inside a record header.
    EXPECT_TRUE(formatError(compoundFile(stream.left(stream.size() - 4))).isEmpty());
    EXPECT_TRUE(formatError(compoundFile(stream.left(stream.size() - 2))).isEmpty());
}

TEST(XlsBadInputTest, RefusedWorkbooks)
{
    BiffBook protectedBook;
    protectedBook.globals = record(0x002F, u16(1) + QByteArray(52, '\0'));
    protectedBook.sheets.push_back({QStringLiteral("Plan1"), number(0, 0, 1)});
    EXPECT_EQ(formatError(xlsFile(protectedBook)), QStringLiteral("Arquivo protegido por senha não é suportado."));

    BiffBook older;
    older.version = 0x0400;
    older.sheets.push_back({QStringLiteral("Plan1"), number(0, 0, 1)});
    EXPECT_EQ(formatError(xlsFile(older)), QStringLiteral("Versão de arquivo do Excel não suportada."));

    BiffBook empty;
    EXPECT_FALSE(formatError(xlsFile(empty)).isEmpty());

    BiffBook badString;
    badString.sheets.push_back({QStringLiteral("Plan1"), record(0x00FD, cell(0, 0, 0) + u32(3))});
    EXPECT_FALSE(formatError(xlsFile(badString)).isEmpty());

    BiffBook wide;
    wide.sheets.push_back({QStringLiteral("Plan1"), number(0, 300, 1)});
    EXPECT_FALSE(formatError(xlsFile(wide)).isEmpty());
}

TEST(XlsBadInputTest, SheetOffsetsOutsideOrOverlapping)
{
    BiffBook book;
    book.sheets.push_back({QStringLiteral("Plan1"), number(0, 0, 1)});
    const QByteArray stream = book.stream();
    qsizetype boundSheet = -1;
    forEachRecord(stream, [&](int type, qsizetype body) {
        boundSheet = type == 0x0085 ? body : boundSheet;
        return boundSheet < 0;
    });
    ASSERT_GT(boundSheet, 0);
    QByteArray outside = stream;
    outside.replace(boundSheet, 4, u32(0x00FFFFFF));
    EXPECT_EQ(formatError(compoundFile(padded(outside))),
              QStringLiteral("Referência a uma posição fora do fluxo da pasta de trabalho."));
    QByteArray intoGlobals = stream;
    intoGlobals.replace(boundSheet, 4, u32(boundSheet - 4));  // the BOUNDSHEET itself, not a BOF
    EXPECT_EQ(formatError(compoundFile(padded(intoGlobals))),
              QStringLiteral("Planilha aponta para uma posição inválida do arquivo."));
    // Many sheets that all point at the same records cannot make the
    // reading go round them more than once.
    BiffBook many;
    QByteArray cells;
    for (int i = 0; i < 1000; ++i) {
        cells += number(i, 0, i);
    }
    for (int i = 0; i < 100; ++i) {
        many.sheets.push_back({QStringLiteral("P%1").arg(i), i == 0 ? cells : QByteArray()});
    }
    QByteArray repeated = many.stream();
    QByteArray firstOffset;
    forEachRecord(repeated, [&](int type, qsizetype body) {
        if (type == 0x0085) {
            firstOffset = firstOffset.isEmpty() ? repeated.mid(body, 4) : firstOffset;
            repeated.replace(body, 4, firstOffset);
        }
        return type != 0x000A;  // the globals end at the first EOF
    });
    EXPECT_EQ(formatError(compoundFile(padded(repeated))),
              QStringLiteral("Planilhas sobrepostas no fluxo da pasta de trabalho."));
}

// Inputs the fuzzer once found troublesome: each must load or be refused,
// never crash.
TEST(XlsRegressionTest, FuzzFindingsLoadOrAreRefused)
{
    const QDir dir(dataPath(QStringLiteral("regressions")));
    const QStringList files = dir.entryList(QDir::Files);
    EXPECT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        const QByteArray bytes = iotest::fileBytes(dir.filePath(name));
        try {
            load(bytes);
        } catch (const SpreadsheetError&) {
            // refused with a message: fine
        }
    }
}

}  // namespace
