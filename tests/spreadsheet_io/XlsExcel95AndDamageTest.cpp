// Reading Excel 5.0/95 workbooks (Gnumeric's files and hand-built BIFF5
// records), an Excel 97 workbook in a stream named "Book", damage that is
// read around with a warning, and durations in 1904-date workbooks.
#include "IoTestSupport.h"
#include "XlsTestWorkbook.h"

#include "xls/XfStyleTable.h"
#include "xls/XlsReader.h"

#include <spreadsheet/Workbook.h>
#include <spreadsheet/io/FileFormatError.h>
#include <spreadsheet/io/WorkbookBuilder.h>

#include <gtest/gtest.h>

#include <memory>

using namespace spreadsheet;
using namespace spreadsheet::io;
using namespace xlstest;
using spreadsheet::io::xls::XfStyleTable;

namespace {

using iotest::Loaded;

QByteArray fixture(const char* name)
{
    return iotest::fileBytes(iotest::dataPath(QStringLiteral("xls/") + QString::fromLatin1(name)));
}

Loaded load(const QByteArray& bytes)
{
    return iotest::load<XlsReader>(bytes);
}

// ------------------------------------------------------------ fixtures

// One row per fixture cell: what the cell shows as typed (its formula or
// its value) and, for formulas, the value the file cached.
struct CellExpectation {
    const char* fixture;
    int sheet;
    int row;
    int column;
    const char* text;
    const char* cached;  // nullptr: not checked
};

const CellExpectation kFixtureCells[] = {
    // Gnumeric's Excel 95 file: UTF-16 code page, accented names and text.
    {"excel95_templates.xls", 0, 0, 0, "Descrição", nullptr},
    {"excel95_templates.xls", 0, 3, 0, "Pão de queijo", nullptr},
    {"excel95_templates.xls", 0, 1, 3, "=B2*C2", "37.5"},
    {"excel95_templates.xls", 0, 4, 2, "=SUM(C2:C4)", "53"},
    {"excel95_templates.xls", 0, 5, 2, "=ROUND(D5*Taxa;2)", "19.8"},
    {"excel95_templates.xls", 0, 5, 3, "='Preços e impostos'!B1*2", "0.36"},
    {"excel95_templates.xls", 0, 6, 0, "=IF(D5>100;\"caro\";\"barato\")", "caro"},
    {"excel95_templates.xls", 0, 6, 1, "=VLOOKUP(\"Açúcar\";A2:D4;4;0)", "42.5"},
    {"excel95_templates.xls", 0, 6, 2, "=$A$1&\" x\"", "Descrição x"},
    {"excel95_templates.xls", 0, 6, 3, "=SUM(Dados!A1:A3)", "6"},
    {"excel95_templates.xls", 0, 7, 4, "-7", nullptr},
    {"excel95_templates.xls", 1, 1, 0, "São Paulo", nullptr},
    {"excel95_templates.xls", 1, 1, 1, "123456789", nullptr},
    // The same writer from the Excel 97 formulas fixture: shared formulas,
    // 3-D references, names and add-in functions.
    {"excel95_formulas.xls", 0, 0, 2, "=A1*Taxa", "1.5"},
    {"excel95_formulas.xls", 0, 1, 2, "=SUM(Dados!A1:A3)", "6"},
    {"excel95_formulas.xls", 0, 2, 2, "='Outra folha'!B2*2", "14"},
    {"excel95_formulas.xls", 0, 5, 3, "=A6*2", "120"},
    {"excel95_formulas.xls", 0, 12, 2, "=SUM(A:A)", "550"},
    {"excel95_formulas.xls", 3, 0, 0, "água", nullptr},
    // An Excel 97 workbook whose stream is named "Book".
    {"excel97_book_stream.xls", 0, 0, 1, "1.25", nullptr},
    {"excel97_book_stream.xls", 0, 2, 0, "45322", nullptr},
};

class XlsFixtureCellTest : public testing::TestWithParam<CellExpectation> {};

TEST_P(XlsFixtureCellTest, CellReadsAsExpected)
{
    const CellExpectation& e = GetParam();
    const Loaded loaded = load(fixture(e.fixture));
    ASSERT_GT(loaded.workbook->sheetCount(), e.sheet);
    const Sheet& s = loaded.workbook->sheet(e.sheet);
    EXPECT_EQ(s.text(e.row, e.column), QString::fromUtf8(e.text));
    if (e.cached) {
        const Value v = s.value(e.row, e.column);
        const QString shown = v.isNumber() ? QString::number(v.number(), 'g', 12) : v.text();
        EXPECT_EQ(shown, QString::fromUtf8(e.cached));
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, XlsFixtureCellTest, testing::ValuesIn(kFixtureCells));

TEST(XlsExcel95FixtureTest, SheetsNamesStylesMergesAndSizes)
{
    const Loaded loaded = load(fixture("excel95_templates.xls"));
    const Workbook& wb = *loaded.workbook;
    ASSERT_EQ(wb.sheetCount(), 3);
    EXPECT_EQ(wb.sheet(1).name(), QStringLiteral("Preços e impostos"));
    ASSERT_EQ(wb.names().size(), 1u);
    EXPECT_EQ(wb.names()[0].reference, QStringLiteral("'Preços e impostos'!$B$1"));
    const Sheet& s = wb.sheet(0);
    EXPECT_TRUE(s.style(0, 0).font.bold);
    EXPECT_EQ(s.style(0, 0).font.size, 14);
    EXPECT_EQ(s.style(0, 1).alignHorz, HorizontalAlignment::Center);
    EXPECT_EQ(s.style(5, 0).numberFormat, QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(s.style(5, 1).numberFormat, QStringLiteral("0.0%"));
    EXPECT_EQ(s.style(7, 2).borderLeft, BorderLine::Thin);  // C8's box
    EXPECT_EQ(s.style(7, 2).borderTop, BorderLine::Thin);
    EXPECT_EQ(s.style(8, 2).borderTop, BorderLine::Thin);   // its bottom, as C9's top
    EXPECT_EQ(s.style(7, 4).borderLeft, BorderLine::Thin);  // D8's right, as E8's left
    ASSERT_EQ(s.mergedAreas().size(), 1u);
    EXPECT_EQ(s.mergedAreas()[0], (CellRange{0, 7, 1, 7}));
    EXPECT_EQ(s.rowHeight(7), 48);     // half an inch
    EXPECT_EQ(s.columnWidth(0), 187);  // two inches
    EXPECT_TRUE(loaded.warnings.empty());
}

TEST(XlsExcel95FixtureTest, RecalculationGivesWhatTheFileCached)
{
    const Loaded loaded = load(fixture("excel95_formulas.xls"));
    const Sheet& s = loaded.workbook->sheet(0);
    std::vector<Value> cached;
    for (int row = 0; row < 25; ++row) {
        cached.push_back(s.value(row, 2));
    }
    loaded.workbook->calculate();
    for (int row = 0; row < 25; ++row) {
        EXPECT_EQ(s.value(row, 2), cached[static_cast<std::size_t>(row)]) << row;
    }
}

// ----------------------------------------------- hand-built Excel 5.0/95

// A BIFF5 workbook: the Excel 5.0/95 layouts of BOUNDSHEET, FONT, FORMAT,
// XF and LABEL, with text in Windows-1252.
QByteArray biff5Stream(const QByteArray& globals, const std::vector<std::pair<QString, QByteArray>>& sheets)
{
    const auto bof = [](int part) { return record(0x0809, u16(0x0500) + u16(part) + u16(0) + u16(0)); };
    QByteArray head = bof(0x0005) + record(0x0042, u16(1252)) + globals;
    std::vector<int> patchAt;
    for (const auto& [name, cells] : sheets) {
        patchAt.push_back(static_cast<int>(head.size()) + 4);
        const QByteArray n = name.toLatin1();
        head += record(0x0085, u32(0) + u8(0) + u8(0) + u8(static_cast<int>(n.size())) + n);
    }
    QByteArray out = head + record(0x000A, {});
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        out.replace(patchAt[i], 4, u32(static_cast<std::uint32_t>(out.size())));
        out += bof(0x0010) + sheets[i].second + record(0x000A, {});
    }
    return out;
}

QByteArray label5(int row, int column, const QByteArray& bytes, int xf = 0)
{
    return record(0x0204, cell(row, column, xf) + u16(static_cast<int>(bytes.size())) + bytes);
}

QByteArray font5(int twips, const QByteArray& name, bool bold)
{
    return record(0x0031, u16(twips) + u16(0) + u16(0x7FFF) + u16(bold ? 700 : 400) + u16(0) + u8(0) + u8(0) + u8(0)
                              + u8(0) + u8(static_cast<int>(name.size())) + name);
}

// XF in the 16-byte layout: bottom line in the fill word, top, left and
// right lines in the last word.
QByteArray xf5(int font, int format, int left, int right, int top, int bottom, int align)
{
    return record(0x00E0, u16(font) + u16(format) + u16(1) + u8(align) + u8(0)
                              + u32(static_cast<std::uint32_t>(bottom) << 22)
                              + u32(static_cast<std::uint32_t>(top | (left << 3) | (right << 6))));
}

TEST(XlsExcel95SyntheticTest, CodePageTextStylesAndFormulas)
{
    // "Ação €" in Windows-1252: the euro sign is 0x80 there.
    const QByteArray accented = QByteArray("A\xE7\xE3o \x80", 6);
    QByteArray globals = font5(200, "Arial", false) + font5(240, "Verdana", true) + font5(200, "Arial", false)
                         + font5(200, "Arial", false)
                         + record(0x041E, u16(164) + u8(10) + QByteArray("dd/mm/yyyy")) + xf5(0, 0, 0, 0, 0, 0, 0)
                         + xf5(1, 164, 2, 0, 1, 0, 2);
    // EXTERNSHEET entries for this workbook's sheets, then a name on the second.
    globals += record(0x0017, u8(5) + u8(0x03) + QByteArray("Plan1"))
               + record(0x0017, u8(6) + u8(0x03) + QByteArray("D\xE1" "dos", 5));
    const QByteArray nameTokens = u8(0x3A) + u16(0xFFFE) + QByteArray(8, '\0') + u16(1) + u16(1) + u16(0) + u8(1);
    globals += record(0x0018, u16(0) + u8(0) + u8(4) + u16(static_cast<int>(nameTokens.size())) + u16(0) + u16(0)
                                  + u32(0) + QByteArray("Taxa") + nameTokens);
    // =Dádos!B1*2 (3-D, relative flags in the row word), =SUM(A1:A2) and
    // a text formula whose result comes in a byte STRING record.
    const QByteArray ref3d = u8(0x5A) + u16(0xFFFE) + QByteArray(8, '\0') + u16(1) + u16(1) + u16(0xC000) + u8(1)
                             + u8(0x1E) + u16(2) + u8(0x05);
    const QByteArray area = u8(0x25) + u16(0xC000) + u16(0xC001) + u8(0) + u8(0) + u8(0x42) + u8(1) + u16(4);
    const QByteArray text = u8(0x17) + u8(3) + QByteArray("p\xE9", 2) + QByteArray("!") + u8(0x43) + u16(1)
                            + QByteArray(12, '\0') + u8(0x08);
    const QByteArray typed = record(0x0006, cell(4, 0, 0) + QByteArray::fromHex("000000000000FFFF") + u16(0)
                                                + u32(0) + u16(static_cast<int>(text.size())) + text)
                             + record(0x0207, u16(4) + QByteArray("p\xE9!\xBA", 4));
    const QByteArray plan1 = label5(0, 0, accented, 1) + number(1, 0, 45322, 1) + formula(2, 0, ref3d, 8)
                             + formula(3, 0, area, 45323) + typed;
    const QByteArray stream = biff5Stream(globals, {{QStringLiteral("Plan1"), plan1},
                                                    {QStringLiteral("Dádos"), number(0, 1, 4)}});
    const Loaded loaded = load(compoundFile(padded(stream), QStringLiteral("Book")));
    const Workbook& wb = *loaded.workbook;
    ASSERT_EQ(wb.sheetCount(), 2);
    EXPECT_EQ(wb.sheet(1).name(), QStringLiteral("Dádos"));
    const Sheet& s = wb.sheet(0);
    EXPECT_EQ(s.value(0, 0), Value(QStringLiteral("Ação €")));
    EXPECT_EQ(s.style(0, 0).font.name, QStringLiteral("Verdana"));
    EXPECT_TRUE(s.style(0, 0).font.bold);
    EXPECT_EQ(s.style(0, 0).alignHorz, HorizontalAlignment::Center);
    EXPECT_EQ(s.style(0, 0).borderLeft, BorderLine::Medium);
    EXPECT_EQ(s.style(0, 0).borderTop, BorderLine::Thin);
    EXPECT_EQ(s.style(1, 0).numberFormat, QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(s.text(2, 0), QStringLiteral("=Dádos!B1*2"));
    EXPECT_EQ(s.text(3, 0), QStringLiteral("=SUM(A1:A2)"));
    EXPECT_EQ(s.text(4, 0), QStringLiteral("=\"pé!\"&Taxa"));
    EXPECT_EQ(s.value(4, 0), Value(QStringLiteral("pé!º")));
    ASSERT_EQ(wb.names().size(), 1u);
    EXPECT_EQ(wb.names()[0].reference, QStringLiteral("Dádos!$B$1"));
}

// ---------------------------------------------------- BIFF8 in "Book"

TEST(XlsBookStreamTest, ExcelNinetySevenRecordsInABookStreamAreRead)
{
    BiffBook book;
    book.sheets.push_back({QStringLiteral("Plan1"), number(0, 0, 1) + record(0x0204, cell(1, 0, 0) + string16(QStringLiteral("中文")))});
    const Loaded loaded = load(compoundFile(padded(book.stream()), QStringLiteral("Book")));
    EXPECT_EQ(loaded.workbook->sheet(0).value(0, 0), Value(1.0));
    EXPECT_EQ(loaded.workbook->sheet(0).value(1, 0), Value(QStringLiteral("中文")));
}

// ------------------------------------------------------- read around

TEST(XlsDamageTest, RecordLongerThanTheStreamIsReadAsFarAsItGoes)
{
    BiffBook book;
    book.globals = record(0x00EB, QByteArray(4200, '\0'));
    book.sheets.push_back({QStringLiteral("Plan1"), number(0, 0, 1) + number(1, 0, 2)});
    book.sheets.push_back({QStringLiteral("Plan2"), number(0, 0, 3)});
    const QByteArray stream = book.stream();
    // The second sheet's NUMBER claims more bytes than are left, and the
    // stream is cut three bytes into its value.
    const qsizetype at = stream.lastIndexOf(QByteArray::fromHex("03020E00"));
    ASSERT_GT(at, 0);
    QByteArray cut = stream.left(at + 4 + 9);
    const Loaded loaded = load(compoundFile(cut));
    ASSERT_EQ(loaded.workbook->sheetCount(), 2);
    EXPECT_EQ(loaded.workbook->sheet(0).value(1, 0), Value(2.0));
    EXPECT_TRUE(loaded.workbook->sheet(1).value(0, 0).isEmpty());
    EXPECT_TRUE(loaded.warned("Plan2")) << loaded.warnings.size();
    EXPECT_TRUE(loaded.warned("truncado"));
}

TEST(XlsDamageTest, SheetsAfterTheCutAreLostWithAWarning)
{
    BiffBook book;
    book.globals = record(0x00EB, QByteArray(4200, '\0'));
    book.sheets.push_back({QStringLiteral("Plan1"), number(0, 0, 1) + number(1, 0, 2)});
    book.sheets.push_back({QStringLiteral("Plan2"), number(0, 0, 3)});
    const QByteArray stream = book.stream();
    const qsizetype secondBof = stream.lastIndexOf(QByteArray::fromHex("09081000"));
    ASSERT_GT(secondBof, 0);
    const Loaded loaded = load(compoundFile(stream.left(secondBof - 6)));  // inside Plan1's last NUMBER
    EXPECT_EQ(loaded.workbook->sheet(0).value(0, 0), Value(1.0));
    EXPECT_TRUE(loaded.workbook->sheet(0).value(1, 0).isEmpty());  // its value was cut
    EXPECT_TRUE(loaded.warned("perdida"));
}

TEST(XlsDamageTest, SharedStringTableWithAnEmptyContinue)
{
    // Three strings declared; the SST holds two and its CONTINUE is empty.
    BiffBook book;
    book.globalsAfterSheets = record(0x00FC, u32(3) + u32(3) + string16(QStringLiteral("um"))
                                                 + string16(QStringLiteral("dois")))
                              + record(0x003C, {});
    QByteArray cells;
    for (int i = 0; i < 3; ++i) {
        cells += record(0x00FD, cell(i, 0, 0) + u32(static_cast<std::uint32_t>(i)));
    }
    book.sheets.push_back({QStringLiteral("Plan1"), cells});
    const Loaded loaded = load(xlsFile(book));
    const Sheet& s = loaded.workbook->sheet(0);
    EXPECT_EQ(s.value(1, 0), Value(QStringLiteral("dois")));
    EXPECT_TRUE(s.value(2, 0).isEmpty());
    EXPECT_TRUE(loaded.warned("2 de 3"));
}

TEST(XlsDamageTest, SharedStringCutInsideAnEmptyContinue)
{
    // The second string's characters were to go on in the CONTINUE.
    BiffBook book;
    book.globalsAfterSheets = record(0x00FC, u32(2) + u32(2) + string16(QStringLiteral("um")) + u16(6) + u8(0)
                                                 + QByteArray("do"))
                              + record(0x003C, {});
    book.sheets.push_back({QStringLiteral("Plan1"), record(0x00FD, cell(0, 0, 0) + u32(0))
                                                        + record(0x00FD, cell(1, 0, 0) + u32(1))});
    const Loaded loaded = load(xlsFile(book));
    EXPECT_EQ(loaded.workbook->sheet(0).value(0, 0), Value(QStringLiteral("um")));
    EXPECT_TRUE(loaded.workbook->sheet(0).value(1, 0).isEmpty());
    EXPECT_FALSE(loaded.warnings.empty());
}

TEST(XlsDamageTest, CellRecordShorterThanItsFieldsIsSkipped)
{
    BiffBook book;
    book.sheets.push_back({QStringLiteral("Plan1"), record(0x0203, cell(0, 0, 0) + u32(0)) + number(1, 0, 5)
                                                        + record(0x0204, cell(2, 0, 0) + u16(40) + u8(0) + "abc")});
    const Loaded loaded = load(xlsFile(book));
    EXPECT_EQ(loaded.workbook->sheet(0).value(1, 0), Value(5.0));
    EXPECT_TRUE(loaded.warned("2 registro(s)"));
}

// ------------------------------------------------- 1904 durations

TEST(XlsDates1904Test, DurationsAndTimesKeepTheirValue)
{
    for (int index : {14, 15, 16, 17, 22}) {
        EXPECT_TRUE(XfStyleTable::isCalendarDate(index, XfStyleTable::builtinFormatCode(index))) << index;
    }
    for (int index : {18, 19, 20, 21, 45, 46, 47, 0, 2}) {
        EXPECT_FALSE(XfStyleTable::isCalendarDate(index, XfStyleTable::builtinFormatCode(index))) << index;
    }
    for (const char* code : {"dd/mm/yyyy", "mmm", "d \"de\" mmmm", "[$-416]dddd", "yyyy-mm-dd hh:mm", "mm/yy"}) {
        EXPECT_TRUE(XfStyleTable::isCalendarDate(200, QString::fromUtf8(code))) << code;
    }
    for (const char* code : {"[hh]:mm:ss", "[h]:mm", "hh:mm", "mm:ss", "h:mm AM/PM", "[mm]:ss", "0.00"}) {
        EXPECT_FALSE(XfStyleTable::isCalendarDate(200, QString::fromUtf8(code))) << code;
    }
}

TEST(XlsDates1904Test, FixtureDurationIsNotMoved)
{
    const Loaded loaded = load(fixture("date1904.xls"));
    const Sheet& s = loaded.workbook->sheet(0);
    EXPECT_EQ(s.value(0, 0).number(), 45322.0);  // the date moves
    EXPECT_DOUBLE_EQ(s.value(0, 3).number(), 1.5);  // 36 hours stay 36 hours
    EXPECT_EQ(s.displayText(0, 3), QStringLiteral("36:00:00"));
}

}  // namespace
