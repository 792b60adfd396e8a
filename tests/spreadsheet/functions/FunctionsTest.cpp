// Built-in functions through formulas, where the tables (data/functions)
// cannot reach: cells of every kind, shapes, edits and the user's locale.
#include <spreadsheet/Reference.h>
#include <spreadsheet/Workbook.h>

#include <QLocale>

#include <gtest/gtest.h>

using namespace spreadsheet;

namespace {

class FunctionsTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // The formula is calculated in a cell away from the data (Z100).
    Value eval(const QString& formula)
    {
        s.setText(99, 25, formula, true);
        wb.calculate();
        return s.value(99, 25);
    }
    double number(const QString& formula)
    {
        const Value v = eval(formula);
        EXPECT_TRUE(v.isNumber()) << formula.toStdString() << " gave type " << static_cast<int>(v.type());
        return v.number();
    }
    QString text(const QString& formula) { return eval(formula).text(); }
    bool isError(const QString& formula, ErrorCode code)
    {
        const Value v = eval(formula);
        return v.isError() && v.error() == code;
    }
    void put(const char* a1, const Value& v)
    {
        CellAddress at;
        ASSERT_TRUE(parseCellAddress(QString::fromLatin1(a1), at));
        s.setValue(at.row, at.column, v);
    }
    void put(const char* a1, const char* textOrFormula)
    {
        CellAddress at;
        ASSERT_TRUE(parseCellAddress(QString::fromLatin1(a1), at));
        s.setText(at.row, at.column, QString::fromUtf8(textOrFormula), true);
    }

    Workbook wb;
    Sheet& s = wb.addSheet("S");
};

}  // namespace

TEST_F(FunctionsTest, ReferencesSkipTextWhileWrittenArgumentsConvert)
{
    put("A1", Value(QStringLiteral("3")));
    put("A2", Value::boolean(true));
    put("A3", Value(2.0));
    EXPECT_EQ(number("=SUM(A1:A3)"), 2.0);
    EXPECT_EQ(number("=SUM(A1)"), 0.0);
    EXPECT_EQ(number("=SUM(\"3\";TRUE;A3)"), 6.0);
    EXPECT_EQ(number("=COUNT(A1:A3;\"4\";\"x\";TRUE)"), 3.0);
    EXPECT_EQ(number("=COUNTA(A1:A5;\"\")"), 4.0);
    EXPECT_EQ(number("=AVERAGE(A1:A3)"), 2.0);
    EXPECT_EQ(number("=MAX(A1:A2)"), 0.0);
    EXPECT_EQ(number("=MIN(\"-1\";A3)"), -1.0);
    EXPECT_EQ(number("=PRODUCT(A1:A3;\"4\")"), 8.0);
    EXPECT_TRUE(isError("=SUM(\"x\";1)", ErrorCode::Value));
    EXPECT_TRUE(isError("=AVERAGE(A1:A2)", ErrorCode::Div0));
}

TEST_F(FunctionsTest, ErrorsInRangesPropagate)
{
    put("A1", Value(1.0));
    put("A2", "=1/0");
    put("A3", "=NA()");
    for (const char* f : {"=SUM(A1:A3)", "=AVERAGE(A1:A3)", "=MAX(A1:A3)", "=MIN(A1:A3)", "=PRODUCT(A1:A3)",
                          "=SUMPRODUCT(A1:A3)"}) {
        EXPECT_TRUE(isError(f, ErrorCode::Div0)) << f;
    }
    EXPECT_EQ(number("=COUNT(A1:A3)"), 1.0);
    EXPECT_EQ(number("=COUNTA(A1:A3)"), 3.0);
    EXPECT_TRUE(isError("=AND(A1:A3)", ErrorCode::Div0));
}

TEST_F(FunctionsTest, WholeColumnRangesCostOnlyTheirData)
{
    put("A1", Value(5.0));
    put("A70000", Value(7.0));
    put("B1", Value(QStringLiteral("x")));
    EXPECT_EQ(number("=SUM(A1:A1048576)"), 12.0);
    EXPECT_EQ(number("=COUNTIF(A1:A1048576;\"\")"), 1048574.0);
    EXPECT_EQ(number("=COUNTIF(A1:B1048576;\"<>\")"), 3.0);
    EXPECT_EQ(number("=MATCH(7;A1:A1048576;0)"), 70000.0);
    EXPECT_EQ(number("=VLOOKUP(6;A1:B1048576;1)"), 5.0);  // trailing blanks sort last
}

TEST_F(FunctionsTest, TextUsesTheLocaleSeparators)
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    EXPECT_EQ(text("=TEXT(1234.5;\"#,##0.00\")"), "1.234,50");
    EXPECT_EQ(text("=TEXTO(45000;\"mmmm\")"), QString::fromUtf8("março"));
}

// The table's cases sit in rows of their own: here the calling cell is Z100.
TEST_F(FunctionsTest, RowAndColumnOfTheCallingCell)
{
    EXPECT_EQ(number("=ROW()+COLUMN()"), 100.0 + 26.0);
}

TEST_F(FunctionsTest, SumIfShapesAndEmptyCells)
{
    for (int r = 0; r < 4; ++r) {
        s.setValue(r, 1, Value(10.0 * (r + 1)));  // B1:B4 = 10..40
    }
    put("A1", Value(QStringLiteral("x")));
    put("A3", Value(QStringLiteral("x")));  // A2 and A4 stay empty
    EXPECT_EQ(number("=SUMIF(A1:A4;\"x\";B1:B4)"), 40.0);
    EXPECT_EQ(number("=SUMIF(A1:A4;\"\";B1:B4)"), 60.0);
    EXPECT_EQ(number("=SUMIF(A1:A4;\"x\";B1)"), 40.0);  // the sum range grows to the criteria's shape
    EXPECT_EQ(number("=SUMIF(A1:A4;\"x\";B1:B2)"), 40.0);
    EXPECT_EQ(number("=SUMIF(B1:B4;\">15\")"), 90.0);
    EXPECT_EQ(number("=COUNTIF(A1:A4;\"<>x\")"), 2.0);
    EXPECT_TRUE(isError("=SUMIF(1;1)", ErrorCode::Value));
    put("B3", "=1/0");
    EXPECT_TRUE(isError("=SUMIF(A1:A4;\"x\";B1:B4)", ErrorCode::Div0));
    EXPECT_EQ(number("=SUMIF(A1:A4;\"\";B1:B4)"), 60.0);  // errors outside the matches do not count
}

TEST_F(FunctionsTest, SumProductNeedsEqualShapes)
{
    put("A1", Value(2.0));
    put("A2", Value(QStringLiteral("x")));
    put("B1", Value(3.0));
    put("B2", Value(4.0));
    EXPECT_EQ(number("=SUMPRODUCT(A1:A2;B1:B2)"), 6.0);  // text counts as 0
    EXPECT_TRUE(isError("=SUMPRODUCT(A1:A2;B1:B3)", ErrorCode::Value));
    EXPECT_EQ(number("=SUMPRODUCT(3;4)"), 12.0);
    put("C2", "=NA()");
    EXPECT_TRUE(isError("=SUMPRODUCT(A1:A2;C1:C2)", ErrorCode::NA));
}

TEST_F(FunctionsTest, LookupArgumentErrors)
{
    put("A1", Value(1.0));
    put("B1", Value(QStringLiteral("one")));
    put("A2", Value(2.0));
    put("B2", Value(QStringLiteral("two")));
    EXPECT_TRUE(isError("=VLOOKUP(1;A1:B2;0;FALSE)", ErrorCode::Value));
    EXPECT_TRUE(isError("=VLOOKUP(1;A1:B2;3;FALSE)", ErrorCode::Ref));
    EXPECT_TRUE(isError("=VLOOKUP(NA();A1:B2;2;FALSE)", ErrorCode::NA));
    EXPECT_TRUE(isError("=VLOOKUP(1;5;1;FALSE)", ErrorCode::NA));
    EXPECT_TRUE(isError("=HLOOKUP(1;A1:B2;3;FALSE)", ErrorCode::Ref));
    EXPECT_EQ(number("=HLOOKUP(\"ONE\";B1:B3;3;FALSE)"), 0.0);  // an empty answer cell shows 0
    EXPECT_TRUE(isError("=MATCH(1;A1:B2;0)", ErrorCode::NA));  // two-dimensional
    EXPECT_TRUE(isError("=MATCH(TRUE;A1:A2;0)", ErrorCode::NA));  // TRUE is not 1
    EXPECT_TRUE(isError("=MATCH(A9;A1:A2;0)", ErrorCode::NA));  // an empty cell matches nothing
    EXPECT_TRUE(isError("=MATCH(\"one\";A1:A2;1)", ErrorCode::NA));  // no text among the keys
}

TEST_F(FunctionsTest, IndexPicksOneCell)
{
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            s.setValue(r, c, Value(10.0 * r + c));  // A1:C3
        }
    }
    EXPECT_EQ(number("=INDEX(A1:C3;3;2)"), 21.0);
    EXPECT_EQ(number("=INDEX(A2:C2;3)"), 12.0);  // one row: the index is the column
    EXPECT_EQ(number("=INDEX(B2:B2;0;0)+INDEX(A3:C3;0;2)"), 32.0);  // 0 where one cell remains
    EXPECT_EQ(number("=SUM(INDEX(A1:C3;0;2))"), 33.0);  // 0 takes the whole column
    EXPECT_TRUE(isError("=INDEX(A1:C3;4;1)", ErrorCode::Ref));
    EXPECT_TRUE(isError("=INDEX(A1:C3;1;4)", ErrorCode::Ref));
    EXPECT_TRUE(isError("=INDEX(A1:C3;-1;1)", ErrorCode::Value));
    EXPECT_EQ(number("=INDEX(7;1;1)"), 7.0);
    EXPECT_TRUE(isError("=INDEX(7;2;1)", ErrorCode::Ref));
}

TEST_F(FunctionsTest, ExactLookupsSeeEditsOfTheirTable)
{
    Sheet& table = wb.addSheet("Table");
    for (int r = 0; r < 200; ++r) {
        table.setValue(r, 0, Value(static_cast<double>(r)));
        table.setValue(r, 1, Value(r * 2.0));
    }
    table.setValue(150, 0, Value(QStringLiteral("Key")));
    table.setValue(160, 0, Value(QStringLiteral("KEY")));
    for (int r = 0; r < 20; ++r) {
        s.setText(r, 3, QStringLiteral("=VLOOKUP(%1;Table!A1:B200;2;FALSE)").arg(r * 7), true);
    }
    s.setText(20, 3, "=MATCH(\"key\";Table!A1:A200;0)", true);
    wb.calculate();
    EXPECT_EQ(s.value(3, 3).number(), 42.0);
    EXPECT_EQ(s.value(20, 3).number(), 151.0);  // the first of the equal keys

    table.setValue(21, 1, Value(-1.0));
    table.setValue(150, 0, Value(150.0));
    EXPECT_EQ(s.value(3, 3).number(), -1.0);
    EXPECT_EQ(s.value(20, 3).number(), 161.0);
    EXPECT_EQ(s.value(19, 3).number(), 266.0);
    table.setValue(133, 0, Value(QStringLiteral("x")));
    EXPECT_TRUE(s.value(19, 3).isError());
    wb.calculate();
    EXPECT_EQ(s.value(3, 3).number(), -1.0);
    EXPECT_TRUE(s.value(19, 3).isError());
}

TEST_F(FunctionsTest, ExactLookupsInManualCalculation)
{
    wb.setAutomaticCalculation(false);
    put("A1", Value(1.0));
    put("B1", Value(QStringLiteral("one")));
    put("C1", "=VLOOKUP(1;A1:B1;2;FALSE)");
    EXPECT_EQ(s.value(0, 2).text(), "one");
    put("B1", Value(QStringLiteral("uno")));
    wb.calculate();
    EXPECT_EQ(s.value(0, 2).text(), "uno");
}

