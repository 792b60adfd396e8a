// The pieces of the xlsx reader and writer, each on its own.
#include "IoTestSupport.h"
#include "xlsx/ExcelFormula.h"
#include "xlsx/XlsxNumberFormats.h"
#include "xlsx/XlsxPackageScan.h"
#include "xlsx/XlsxText.h"
#include "xlsx/XlsxUnits.h"

#include "FormulaParser.h"

#include <spreadsheet/FormulaResult.h>
#include <spreadsheet/FunctionRepository.h>
#include <spreadsheet/Workbook.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <limits>
#include <random>
#include <cmath>
#include <map>

#include <gtest/gtest.h>

using namespace spreadsheet;
using namespace spreadsheet::io;

namespace {

TEST(XlsxUnitsTest, ColumnWidthsFollowExcelsPixelRounding)
{
    // Excel's default column, 8.43 characters plus padding, is 64 pixels.
    EXPECT_EQ(digitWidthPixels(9.140625), 64);
    EXPECT_EQ(digitWidthPixels(15.32), 107);
    EXPECT_EQ(digitWidthPixels(0.0), 0);
    // What libxlsxwriter stores for a width given in pixels comes back whole.
    for (int pixels : {13, 20, 64, 120, 255}) {
        EXPECT_EQ(digitWidthPixels(pixels / 7.0), pixels) << pixels;
    }
    EXPECT_EQ(digitWidthPixels(-1.0), -1);
    EXPECT_EQ(digitWidthPixels(std::nan("")), -1);
}

TEST(XlsxUnitsTest, LengthsRoundToWholePixels)
{
    const double point = 96.0 / 72.0;
    EXPECT_EQ(lengthPixels(15.0, point), 20);
    EXPECT_EQ(lengthPixels(12.75, point), 17);
    EXPECT_EQ(lengthPixels(12.8, point), 17);
    EXPECT_EQ(lengthPixels(28.35, point), 38);
    EXPECT_EQ(lengthPixels(1.0, 96.0 / 2.54), 38);
    EXPECT_EQ(lengthPixels(-3.0, point), -1);
    EXPECT_EQ(lengthPixels(1e9, point), -1);
}

TEST(XlsxNumberFormatsTest, BuiltinIdsGiveTheirCodes)
{
    EXPECT_EQ(builtinNumberFormat(0), QString());
    EXPECT_EQ(builtinNumberFormat(4), QStringLiteral("#,##0.00"));
    EXPECT_EQ(builtinNumberFormat(10), QStringLiteral("0.00%"));
    EXPECT_EQ(builtinNumberFormat(14), QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(builtinNumberFormat(22), QStringLiteral("dd/mm/yyyy h:mm"));
    EXPECT_EQ(builtinNumberFormat(49), QStringLiteral("@"));
    EXPECT_EQ(builtinNumberFormat(164), QString());  // custom ids are the file's own
}

TEST(XlsxPackageScanTest, FindsWhatTheFilterLoses)
{
    const XlsxPackageScan layout(iotest::fileBytes(iotest::dataPath(QStringLiteral("xlsx/layout.xlsx"))));
    ASSERT_EQ(layout.sheets().size(), 3u);
    EXPECT_EQ(layout.sheets()[0].hiddenRows, (std::vector<int>{9, 10}));
    EXPECT_EQ(layout.sheets()[0].hiddenColumns, (std::vector<std::pair<int, int>>{{6, 6}}));
    EXPECT_TRUE(layout.sheets()[1].hiddenRows.empty());
    const std::vector<XlsxFormatFacts>& formats = layout.formatFacts();
    ASSERT_EQ(formats.size(), 16u);
    EXPECT_EQ(formats[0], XlsxFormatFacts{});
    EXPECT_EQ(formats[1], (XlsxFormatFacts{true, HorizontalAlignment::Center}));
    EXPECT_EQ(formats[15], (XlsxFormatFacts{false, HorizontalAlignment::General}));
    EXPECT_EQ(std::count_if(formats.begin(), formats.end(), [](const XlsxFormatFacts& f) { return !f.locked; }), 1);
    EXPECT_FALSE(layout.uses1904Dates());

    const XlsxPackageScan scan(iotest::fileBytes(iotest::dataPath(QStringLiteral("xlsx/formulas.xlsx"))));
    ASSERT_EQ(scan.sheets().size(), 3u);
    EXPECT_EQ(scan.sheets()[1].name, QStringLiteral("Resumo Geral"));
    std::map<std::pair<int, int>, Value> results;
    for (const std::vector<XlsxCell>& piece : scan.sheets()[1].cells) {
        for (const XlsxCell& cell : piece) {
            if (cell.formula && !cell.value.isNumber() && !cell.value.isText()) {
                results[{cell.row, cell.column}] = cell.value;
            }
        }
    }
    const std::map<std::pair<int, int>, Value> expected{{{4, 1}, Value::boolean(true)},
                                                        {{5, 1}, Value::error(ErrorCode::Div0)}};
    EXPECT_EQ(results, expected);
}

TEST(ExcelFormulaTest, PrefixesOfNewAndUnknownFunctionsAreDropped)
{
    const std::vector<std::pair<QString, QString>> cases{
        {QStringLiteral("_xlfn.CONCAT(A1,_xludf.fpaFunc(2,$B7))"), QStringLiteral("CONCAT(A1,fpaFunc(2,$B7))")},
        {QStringLiteral("_XLWS.SORT(A1:A3)&\"_xlfn.x\""), QStringLiteral("SORT(A1:A3)&\"_xlfn.x\"")},
        {QStringLiteral("'_xlfn.'!A1+_x"), QStringLiteral("'_xlfn.'!A1+_x")},
        {QStringLiteral("SUM(_xlfn.ANCHORARRAY(Plan1!$G$2))*2"), QStringLiteral("SUM(Plan1!$G$2#)*2")},
    };
    for (const auto& [excel, ours] : cases) {
        EXPECT_EQ(ExcelFormula::fromExcel(excel), ours) << excel.toStdString();
    }
}

TEST(ExcelFormulaTest, SeparatorsChangeOutsideLiteralsAndArraysAndNewerFunctionsGetTheirPrefix)
{
    const std::vector<std::pair<QString, QString>> cases{
        {QStringLiteral("=SUM(A1;B2;3)"), QStringLiteral("=SUM(A1,B2,3)")},
        {QStringLiteral("=IF(A1;\"x;y\";\"\"\";\")"), QStringLiteral("=IF(A1,\"x;y\",\"\"\";\")")},
        {QStringLiteral("=SUM('a;b''s'!A1;1)"), QStringLiteral("=SUM('a;b''s'!A1,1)")},
        {QStringLiteral("=\"it's\"&MAX(1;2)"), QStringLiteral("=\"it's\"&MAX(1,2)")},
        {QStringLiteral("=A1"), QStringLiteral("=A1")},
        {QStringLiteral("=SUM({1,2;3,4};(A1;B2))"), QStringLiteral("=SUM({1,2;3,4},(A1,B2))")},
        {QStringLiteral("=XLOOKUP(1;A:A;SORT(B:B))&concat(\"IFS(\")"),
         QStringLiteral("=_xlfn.XLOOKUP(1,A:A,_xlfn._xlws.SORT(B:B))&_xlfn.concat(\"IFS(\")")},
        {QStringLiteral("=STDEV.S(A1:A3)+MYSTDEV.S(1)"), QStringLiteral("=_xlfn.STDEV.S(A1:A3)+MYSTDEV.S(1)")},
        {QStringLiteral("=SUM(G2#;'a b'!C3#)&#N/A"),
         QStringLiteral("=SUM(_xlfn.ANCHORARRAY(G2),_xlfn.ANCHORARRAY('a b'!C3))&#N/A")},
    };
    for (const auto& [ours, excel] : cases) {
        EXPECT_EQ(ExcelFormula::text(ours), excel) << ours.toStdString();
    }
}

// Values go out as C's %.16G writes them. The shortcut for numbers with
// few decimals must agree with it everywhere, next to the halfway points
// of the 16th digit most of all.
TEST(XlsxTextTest, NumbersAreWrittenAsPrintfWritesSixteenDigits)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    std::vector<double> values = {0.0, -0.0, 1.0, -1.0, 0.1 + 0.2, 1.0 / 3, 1e-3, 9.995e-4, 1e-4, 1e12, 1e12 - 0.001,
                                  999999999999.9995, 9.9999999999999995, 0.0005, 1e15, 1e16, 123456789012.345, 0.125,
                                  1e300, 5e-324, inf, -inf, std::nan(""), 4503599627370496.5, 99.995, 1.0005};
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 100000; ++i) {
        const double cents = static_cast<double>(static_cast<long long>(random() % 200000000000) - 100000000000) / 100;
        const double thousandths = static_cast<double>(random() % 1000000000000000) / 1000;
        values.insert(values.end(), {cents, thousandths, std::bit_cast<double>(random()),
                                     std::ldexp(static_cast<double>(random() >> 11), -static_cast<int>(random() % 70))});
        double near = thousandths;  // a few units in the last place away
        for (int step = 0; step < 4; ++step)
            values.push_back(near = std::nextafter(near, (random() & 1) ? inf : -inf));
    }
    for (const double value : values) {
        std::string ours;
        XlsxText::appendNumber(ours, value);
        std::array<char, 64> expected;
        std::snprintf(expected.data(), expected.size(), "%.16G", value);
        ASSERT_EQ(ours, expected.data()) << std::hexfloat << value;
    }
}

}  // namespace
