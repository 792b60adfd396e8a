// Reading valid xlsx files whose constructs a reader can get wrong, one
// small fixture each (made by tests/data/xlsx/make_reading_fixtures.py).
#include "IoTestSupport.h"
#include "xlsx/XlsxReader.h"
#include "xlsx/XlsxCell.h"

#include <spreadsheet/Reference.h>
#include <spreadsheet/Workbook.h>
#include <spreadsheet/io/FileFormatError.h>
#include <spreadsheet/io/WorkbookBuilder.h>

#include <QDate>

#include <gtest/gtest.h>

#include <cmath>

using namespace spreadsheet;
using namespace spreadsheet::io;

namespace {

using iotest::Loaded;

Loaded load(const std::string& fixture)
{
    return iotest::load<XlsxReader>(
        iotest::fileBytes(iotest::dataPath(QStringLiteral("xlsx/reading/%1.xlsx").arg(QString::fromStdString(fixture)))));
}

struct CellCase {
    std::string fixture;
    std::string sheet;
    std::string cell;
    Value value;
    QString formula;  // empty for a cell that holds a value
};

std::ostream& operator<<(std::ostream& out, const CellCase& c)
{
    return out << c.fixture << ' ' << c.sheet << '!' << c.cell;
}

Value date(int year, int month, int day, double dayFraction = 0)
{
    return Value(static_cast<double>(QDate(1899, 12, 30).daysTo(QDate(year, month, day))) + dayFraction);
}

// One workbook by four producers: "Resumo" moved before "Dados".
std::vector<CellCase> producerCases()
{
    std::vector<CellCase> cases;
    for (const char* producer : {"producer_xlsxwriter", "producer_openpyxl", "producer_gnumeric", "producer_libreoffice"}) {
        const std::vector<CellCase> rows{
            {producer, "Resumo", "A1", Value(60.0), QStringLiteral("=Total*2")},
            {producer, "Resumo", "A2", Value(11.0), QStringLiteral("=Dados!A1+1")},
            {producer, "Dados", "A1", Value(10.0), {}},
            {producer, "Dados", "A2", Value(20.0), {}},
            {producer, "Dados", "A3", Value(30.0), QStringLiteral("=SUM(A1:A2)")},
            {producer, "Dados", "B1", Value(QStringLiteral("título")), {}},
        };
        cases.insert(cases.end(), rows.begin(), rows.end());
    }
    return cases;
}

std::vector<CellCase> faultCases()
{
    return {
        {"sheet_ids", "Primeira", "B1", Value(20.0), QStringLiteral("=A1*2")},
        {"sheet_ids", "Segunda", "B1", Value(15.0), QStringLiteral("=Primeira!A1+A1")},
        {"sheet_ids", "Terceira", "A1", Value(150.0), QStringLiteral("=Segunda!B1*10")},
        {"inline_strings", "Texto", "A1", Value(QStringLiteral("em linha")), {}},
        {"inline_strings", "Texto", "A2", Value(QStringLiteral("olá, mundo")), {}},
        {"inline_strings", "Texto", "B1", Value(3.0), {}},
        {"absolute_targets", "Caminho", "A1", Value(QStringLiteral("texto")), {}},
        {"absolute_targets", "Caminho", "B1", Value(7.0), {}},
        {"error_cells", "Erros", "A1", Value::error(ErrorCode::NA), {}},
        {"error_cells", "Erros", "A2", Value::error(ErrorCode::Div0), {}},
        {"error_cells", "Erros", "A3", Value::error(ErrorCode::Ref), {}},
        // {=A1:A3*2} over C1:C3: C2 and C3 hold no formula, they show the
        // array's elements, as Excel does.
        {"arrays", "Matriz", "C1", Value(2.0), QStringLiteral("=A1:A3*2")},
        {"arrays", "Matriz", "C2", Value(4.0), {}},
        {"arrays", "Matriz", "C3", Value(6.0), {}},
        {"no_cache", "Calculo", "A2", Value(8.0), QStringLiteral("=A1*2")},
        {"no_cache", "Calculo", "A3", Value(QStringLiteral("4x")), QStringLiteral("=A1&\"x\"")},
        {"no_cache", "Calculo", "A4", Value::boolean(true), QStringLiteral("=A2>5")},
        {"numbers", "Numeros", "A1", Value(41655.666666666664), {}},
        {"numbers", "Numeros", "A2", Value(2.3333333333333335), {}},
        {"numbers", "Numeros", "A3", Value(3.14e-300), {}},
        {"numbers", "Numeros", "A4", Value(5e-324), {}},
        {"numbers", "Numeros", "A5", Value(1.7976931348623157e308), {}},
        {"numbers", "Numeros", "A6", Value(0.1), {}},
        {"numbers", "Numeros", "A7", Value(-1234.5678e-5), {}},
        {"dates1904", "Datas", "A1", date(2024, 3, 15), {}},
        {"dates1904", "Datas", "A2", date(2024, 3, 15, 0.5), {}},
        {"dates1904", "Datas", "B1", Value(100.0), {}},  // not shown as a date: left alone
        {"dates1904", "Datas", "C1", date(2024, 3, 16), QStringLiteral("=A1+1")},
        {"iso_dates", "Iso", "A1", date(2024, 3, 15, 0.5625), {}},
        {"iso_dates", "Iso", "A2", date(1900, 3, 1), {}},
        {"rich_text", "Rico", "A1", Value(QStringLiteral("simples negrito fim")), {}},
        {"rich_text", "Rico", "A2", Value(QStringLiteral("東京")), {}},
        {"escapes", "Escapes", "A1", Value(QStringLiteral("a\u0001bç")), {}},
        {"escapes", "Escapes", "A2", Value(QStringLiteral("_x0041_")), {}},
        {"text_results", "Textos", "A1", Value(QStringLiteral("#N/A")), QStringLiteral("=\"#N/A\"")},
        {"text_results", "Textos", "B1", Value::error(ErrorCode::NA), QStringLiteral("=NA()")},
        {"arrays", "Matriz", "D1", Value(QStringLiteral("um!")), QStringLiteral("=B1&\"!\"")},
        // A dynamic array spilled over E1:E3.
        {"arrays", "Matriz", "E1", Value(QStringLiteral("um")), QStringLiteral("=B1:B3")},
        {"arrays", "Matriz", "E2", Value(QStringLiteral("dois")), {}},
        {"arrays", "Matriz", "E3", Value(QStringLiteral("três")), {}},
        {"phonetic_runs", "Rico", "A2", Value(QStringLiteral("東京")), {}},
        {"row_selection", "Texto", "A1", Value(QStringLiteral("em linha")), {}},
        {"utf16", "Texto", "A2", Value(QStringLiteral("olá, mundo")), {}},
        {"strict", "Texto", "A2", Value(QStringLiteral("olá, mundo")), {}},
    };
}

class XlsxCellTest : public ::testing::TestWithParam<CellCase> {};

TEST_P(XlsxCellTest, CellHoldsWhatTheFileStores)
{
    const CellCase& c = GetParam();
    const Loaded loaded = load(c.fixture);
    const Sheet* sheet = loaded.workbook->findSheet(QString::fromStdString(c.sheet));
    ASSERT_NE(sheet, nullptr);
    ParsedReference at;
    ASSERT_TRUE(parseReference(QString::fromStdString(c.cell), at));
    const int row = at.range.top;
    const int column = at.range.left;
    // Exact: each number must come back bit for bit.
    EXPECT_EQ(sheet->value(row, column), c.value) << sheet->value(row, column).number();
    EXPECT_EQ(sheet->isFormula(row, column), !c.formula.isEmpty());
    if (!c.formula.isEmpty()) {
        EXPECT_EQ(sheet->text(row, column), c.formula);
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, XlsxCellTest, ::testing::ValuesIn(faultCases()));
INSTANTIATE_TEST_SUITE_P(Producers, XlsxCellTest, ::testing::ValuesIn(producerCases()));

struct SheetsCase {
    std::string fixture;
    std::vector<QString> sheets;
};

class XlsxSheetListTest : public ::testing::TestWithParam<SheetsCase> {};

TEST_P(XlsxSheetListTest, SheetsComeInTheirPositions)
{
    const Loaded loaded = load(GetParam().fixture);
    std::vector<QString> names;
    for (int i = 0; i < loaded.workbook->sheetCount(); ++i) {
        names.push_back(loaded.workbook->sheet(i).name());
    }
    EXPECT_EQ(names, GetParam().sheets);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, XlsxSheetListTest,
                         ::testing::Values(SheetsCase{"sheet_ids", {"Primeira", "Segunda", "Terceira"}},
                                           SheetsCase{"strict", {"Texto"}},
                                           SheetsCase{"producer_openpyxl", {"Resumo", "Dados"}},
                                           SheetsCase{"producer_gnumeric", {"Resumo", "Dados"}}));

struct LayoutCase {
    std::string fixture;
    std::string sheet;
    CellRange merge;
    CellAddress bold;  // a cell in bold, or an invalid one
};

class XlsxLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(XlsxLayoutTest, MergesAndStylesAreKept)
{
    const LayoutCase& c = GetParam();
    const Loaded loaded = load(c.fixture);
    const Sheet& sheet = *loaded.workbook->findSheet(QString::fromStdString(c.sheet));
    EXPECT_EQ(sheet.mergedAreas(), std::vector<CellRange>{c.merge});
    if (c.bold.isValid()) {
        EXPECT_TRUE(sheet.style(c.bold.row, c.bold.column).font.bold);
        EXPECT_FALSE(sheet.style(c.bold.row - 1, c.bold.column).font.bold);
    }
}

const CellRange kTitle = CellRange::normalized(0, 1, 0, 2);  // B1:C1

INSTANTIATE_TEST_SUITE_P(Fixtures, XlsxLayoutTest,
                         ::testing::Values(LayoutCase{"producer_xlsxwriter", "Dados", kTitle, {1, 0}},
                                           LayoutCase{"producer_openpyxl", "Dados", kTitle, {1, 0}},
                                           LayoutCase{"producer_gnumeric", "Dados", kTitle, {1, 0}},
                                           LayoutCase{"producer_libreoffice", "Dados", kTitle, {1, 0}},
                                           LayoutCase{"absolute_targets", "Caminho",
                                                      CellRange::normalized(2, 0, 2, 1), {-1, -1}}));

struct WarningCase {
    std::string fixture;
    QString part;  // of the only warning; empty for none
};

class XlsxWarningTest : public ::testing::TestWithParam<WarningCase> {};

TEST_P(XlsxWarningTest, WhatIsNotTakenIsSaid)
{
    const Loaded loaded = load(GetParam().fixture);
    if (GetParam().part.isEmpty()) {
        EXPECT_TRUE(loaded.warnings.empty()) << loaded.warnings.front().toStdString();
        return;
    }
    const bool said = std::any_of(loaded.warnings.begin(), loaded.warnings.end(),
                                  [](const QString& w) { return w.contains(GetParam().part); });
    EXPECT_TRUE(said) << (loaded.warnings.empty() ? std::string("nenhum aviso") : loaded.warnings.front().toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, XlsxWarningTest,
    ::testing::Values(WarningCase{"sheet_names", QStringLiteral("O nome \"Taxa\" da planilha \"Folha2\"")},
                      WarningCase{"strict", QStringLiteral("Planilha \"Texto\": só os valores")},
                      WarningCase{"inline_strings", {}}, WarningCase{"producer_gnumeric", {}},
                      WarningCase{"producer_libreoffice", {}}));

struct RefusalCase {
    std::string fixture;
    QString reason;  // part of the message; empty for a file that loads
};

class XlsxRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

// Damaged and hostile packages are refused with a message, before anything
// big is allocated; a file sized for the whole grid is valid and loads.
TEST_P(XlsxRefusalTest, DamagedPackagesAreRefusedWithTheReason)
{
    const RefusalCase& c = GetParam();
    if (c.reason.isEmpty()) {
        EXPECT_EQ(load(c.fixture).workbook->sheet(0).value(1048575, 16383), Value(7.0));
        return;
    }
    try {
        load(c.fixture);
        ADD_FAILURE() << c.fixture << " loaded";
    } catch (const FileFormatError& e) {
        EXPECT_TRUE(e.message().contains(c.reason)) << e.message().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, XlsxRefusalTest,
    ::testing::Values(RefusalCase{"bad_declared_size", QStringLiteral("parte de 600 MiB descompactada; o limite é 256 MiB")},
                      RefusalCase{"bad_truncated", QStringLiteral("truncado ou danificado")},
                      // Found by fuzzing: the workbook part declares 16 MiB and inflates to 1 KiB.
                      RefusalCase{"bad_checksum", QStringLiteral("xl/workbook.xml do arquivo xlsx está danificada (o conteúdo não confere")},
                      RefusalCase{"bad_malformed", QStringLiteral("xl/worksheets/sheet1.xml do arquivo xlsx não é um XML válido")},
                      RefusalCase{"bad_styles", QStringLiteral("mais de 65536 formatos de célula")},
                      RefusalCase{"bad_open_tag", QStringLiteral("termina no meio de um elemento")},
                      RefusalCase{"bad_reference", QStringLiteral("referência malformada num atributo")},
                      RefusalCase{"whole_grid", {}}));

TEST(XlsxNamesTest, NamesOfOneSheetBecomeWorkbookNames)
{
    const Loaded loaded = load("sheet_names");
    const DefinedName* local = loaded.workbook->findName(u"Local");
    ASSERT_NE(local, nullptr);
    EXPECT_EQ(local->reference, QStringLiteral("Folha2!$A$1"));
    EXPECT_EQ(loaded.workbook->findName(u"Taxa")->reference, QStringLiteral("Folha1!$A$1"));  // the workbook's wins
}

TEST(XlsxSheetDataTest, EscapesAreDecoded)
{
    const std::vector<std::pair<QString, QString>> cases{
        {QStringLiteral("a_x000D__x000A_b"), QStringLiteral("a\r\nb")},
        {QStringLiteral("_x005F_x0041_"), QStringLiteral("_x0041_")},
        {QStringLiteral("_x00zz_ and _x41_"), QStringLiteral("_x00zz_ and _x41_")},
        {QStringLiteral("_xD83D__xDE00_"), QStringLiteral("\U0001F600")},
    };
    for (const auto& [stored, text] : cases) {
        EXPECT_EQ(decodeEscapes(stored), text) << stored.toStdString();
    }
}

}  // namespace
