#include <spreadsheet/Reference.h>

#include <gtest/gtest.h>

using namespace spreadsheet;

TEST(ReferenceTest, ColumnLettersAreBijectiveBase26)
{
    const std::pair<int, const char*> cases[] = {{0, "A"},    {25, "Z"},    {26, "AA"},  {51, "AZ"},
                                                 {52, "BA"},  {701, "ZZ"},  {702, "AAA"}, {16383, "XFD"}};
    for (const auto& [index, letters] : cases) {
        EXPECT_EQ(columnName(index), QString::fromLatin1(letters));
        EXPECT_EQ(columnIndex(QString::fromLatin1(letters)), index);
    }
    for (int c = 0; c < 20000; c += 7) {
        if (c < kMaxColumns) {
            ASSERT_EQ(columnIndex(columnName(c)), c) << c;
        }
    }
    EXPECT_EQ(columnIndex(u"XFE"), -1);
    EXPECT_EQ(columnIndex(u"AAAA"), -1);
    EXPECT_EQ(columnIndex(u"A1"), -1);
    EXPECT_EQ(columnIndex(u""), -1);
    EXPECT_EQ(columnIndex(u"ab"), 27);
}

TEST(ReferenceTest, ParsesAndWritesA1References)
{
    CellAddress a;
    ASSERT_TRUE(parseCellAddress(u"B7", a));
    EXPECT_EQ(a.row, 6);
    EXPECT_EQ(a.column, 1);
    EXPECT_FALSE(parseCellAddress(u"A0", a));
    EXPECT_FALSE(parseCellAddress(u"A1048577", a));
    EXPECT_TRUE(parseCellAddress(u"XFD1048576", a));
    EXPECT_FALSE(parseCellAddress(u"A-1", a));
    EXPECT_FALSE(parseCellAddress(u"A01", a));

    ParsedReference r;
    ASSERT_TRUE(parseReference(u"'Folha de Pagamento'!$C$3:A1", r));
    EXPECT_EQ(r.sheetName, QStringLiteral("Folha de Pagamento"));
    EXPECT_EQ(r.range, (CellRange{0, 0, 2, 2}));
    EXPECT_TRUE(r.isRange);
    ASSERT_TRUE(parseReference(u"'It''s'!B2", r));
    EXPECT_EQ(r.sheetName, QStringLiteral("It's"));
    ASSERT_TRUE(parseReference(u"Plan1!A1", r));
    EXPECT_EQ(r.sheetName, QStringLiteral("Plan1"));
    EXPECT_FALSE(parseReference(u"A1:", r));
    EXPECT_FALSE(parseReference(u"'unterminated!A1", r));

    EXPECT_EQ(rangeText({0, 0, 2, 4}), QStringLiteral("A1:C5"));
    EXPECT_EQ(rangeText({1, 1, 1, 1}), QStringLiteral("B2"));
    EXPECT_EQ(rangeText({1, 1, 1, 1}, {true, true, true, true}, true), QStringLiteral("$B$2:$B$2"));
    EXPECT_EQ(cellAddressText(9, 27, true, false), QStringLiteral("$AB10"));
}

TEST(ReferenceTest, QuotesSheetNamesOnlyWhenNeeded)
{
    EXPECT_EQ(sheetPrefix("Plan1"), QStringLiteral("Plan1!"));
    EXPECT_EQ(sheetPrefix("Parâmetros"), QStringLiteral("Parâmetros!"));
    EXPECT_EQ(sheetPrefix("Minha folha"), QStringLiteral("'Minha folha'!"));
    EXPECT_EQ(sheetPrefix("It's"), QStringLiteral("'It''s'!"));
    EXPECT_EQ(sheetPrefix("A1"), QStringLiteral("'A1'!"));
    EXPECT_EQ(sheetPrefix("2023"), QStringLiteral("'2023'!"));
}

TEST(ReferenceTest, WritesR1C1RelativeToTheHoldingCell)
{
    const CellAddress origin{4, 2};  // C5
    EXPECT_EQ(r1c1Text(CellRange::cell(4, 2), {}, origin), QStringLiteral("RC"));
    EXPECT_EQ(r1c1Text(CellRange::cell(3, 4), {}, origin), QStringLiteral("R[-1]C[2]"));
    EXPECT_EQ(r1c1Text(CellRange::cell(0, 0), {true, true, true, true}, origin), QStringLiteral("R1C1"));
    EXPECT_EQ(r1c1Text({0, 0, 1, 9}, {true, false, true, false}, origin), QStringLiteral("R[-4]C1:R[5]C2"));
}
