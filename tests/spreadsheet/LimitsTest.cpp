// The workbook's bounds: texts that would grow without end, and counts a
// hostile file or a runaway macro could push past what the editor can hold.
#include <spreadsheet/DefinedName.h>
#include <spreadsheet/Limits.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

using namespace spreadsheet;

namespace {

struct TextCase {
    const char* formula;  // over A1, which holds a text of `length` characters
    int length;
    bool fits;
};

class TextLimitTest : public ::testing::TestWithParam<TextCase> {};

}  // namespace

// Each formula's result is exactly one character past the limit, or exactly
// at it, so that an off-by-one on either side fails.
TEST_P(TextLimitTest, ATextResultPastTheCellLimitIsValueError)
{
    const TextCase& c = GetParam();
    Workbook wb;
    Sheet& s = wb.addSheet();
    s.setValue(0, 0, Value(QString(c.length, u'a')));
    s.setText(0, 1, QString::fromUtf8(c.formula));
    wb.calculate();
    const Value v = s.value(0, 1);
    if (c.fits) {
        ASSERT_TRUE(v.isText());
        EXPECT_EQ(v.text().size(), limits::kCellText);
    } else {
        EXPECT_TRUE(v.isError());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, TextLimitTest,
    ::testing::Values(TextCase{"=A1&\"b\"", limits::kCellText - 1, true}, TextCase{"=A1&\"b\"", limits::kCellText, false},
                      TextCase{"=SUBSTITUTE(A1;\"a\";\"aa\")", limits::kCellText / 2 + 1, false},
                      TextCase{"=SUBSTITUTE(A1;\"a\";\"a\")", limits::kCellText, true},
                      TextCase{"=REPLACE(A1;1;1;\"bb\")", limits::kCellText, false},
                      TextCase{"=REPLACE(A1;1;2;\"bb\")", limits::kCellText, true},
                      TextCase{"=CONCATENATE(A1;\"b\")", limits::kCellText, false},
                      TextCase{"=UPPER(A1&\"\")", limits::kCellText, true}));

TEST(LimitsTest, DoublingChainStopsAtTheLimitInsteadOfGrowing)
{
    Workbook wb;
    Sheet& s = wb.addSheet();
    s.setValue(0, 0, Value(QStringLiteral("ab")));
    for (int row = 1; row < 40; ++row)
        s.setText(row, 0, QStringLiteral("=A%1&A%1").arg(row));
    wb.calculate();
    // 2 · 2^13 = 16,384 fits; the next doubling does not, nor anything after.
    EXPECT_EQ(s.value(13, 0).text().size(), 16384);
    EXPECT_TRUE(s.value(14, 0).isError());
    EXPECT_TRUE(s.value(39, 0).isError());
}

TEST(LimitsTest, TypedTextPastTheLimitIsRefusedAndLeavesTheCell)
{
    Workbook wb;
    Sheet& s = wb.addSheet();
    s.setText(0, 0, QString(limits::kCellText, u'x'));
    EXPECT_EQ(s.value(0, 0).text().size(), limits::kCellText);
    const int actions = wb.history().GetUndoActionCount();
    EXPECT_THROW(s.setText(0, 0, QString(limits::kCellText + 1, u'y')), SpreadsheetError);
    EXPECT_EQ(s.value(0, 0).text().size(), limits::kCellText);
    EXPECT_EQ(wb.history().GetUndoActionCount(), actions);
}

TEST(LimitsTest, NamesPastTheLimitAreRefusedButRedefiningOneStillWorks)
{
    Workbook wb;
    wb.addSheet(QStringLiteral("P"));
    std::vector<DefinedName> names;
    for (int i = 0; i < limits::kNames; ++i)
        names.push_back({QStringLiteral("Nome%1").arg(i), QStringLiteral("P!$A$1")});
    wb.setNames(std::move(names));
    EXPECT_THROW(wb.defineName(QStringLiteral("Outro"), QStringLiteral("P!$A$1")), SpreadsheetError);
    wb.defineName(QStringLiteral("Nome7"), QStringLiteral("P!$B$2"));
    wb.history().Undo();
    EXPECT_EQ(wb.names().size(), std::size_t{limits::kNames});
    ASSERT_NE(wb.findName(u"Nome7"), nullptr);
    EXPECT_EQ(wb.findName(u"Nome7")->reference, QStringLiteral("P!$A$1"));
}
