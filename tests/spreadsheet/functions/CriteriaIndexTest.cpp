// The per-pass table of SUMIFS and COUNTIFS answers as the plain walk does.
// Each criterion is asked three times in one pass: SUMIF/COUNTIF (their own
// code), a first *IFS (a plain walk) and a second *IFS of the same shape
// (answered from the table).
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

#include <QLocale>

using namespace spreadsheet;

namespace {

QString q(const char* s)
{
    return QString::fromUtf8(s);
}

}  // namespace

TEST(CriteriaIndex, RepeatedShapesAnswerAsTheirFirstCall)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Workbook wb;
    wb.setAutomaticCalculation(false);
    Sheet& s = wb.addSheet();
    const char* keys[] = {"1", "'1", "3", "TRUE", "abc", "ABC", "=NA()", "3", "", "0", "'3", "FALSE"};
    for (int i = 0; i < 12; ++i) {
        s.setText(i, 0, q(keys[i]));
        s.setText(i, 1, i == 7 ? q("=1/0") : QString::number(10 * (i + 1)));
    }
    const char* criteria[] = {"1", "\"1\"", "3", "\"=3\"", "TRUE", "\"abc\"", "\"=ABC\"", "0", "-0", "\"x\"", "FALSE"};
    int row = 0;
    for (const char* c : criteria) {
        const QString k = q(c);
        s.setText(row, 3, "=SUMIF(A1:A12;" + k + ";B1:B12)");
        s.setText(row, 4, "=SUMIFS(B1:B12;A1:A12;" + k + ")");
        s.setText(row, 5, "=SUMIFS(B1:B12;A1:A12;" + k + ")");
        s.setText(row, 6, "=COUNTIF(A1:A12;" + k + ")");
        s.setText(row, 7, "=COUNTIFS(A1:A12;" + k + ")");
        s.setText(row, 8, "=COUNTIFS(A1:A12;" + k + ")");
        ++row;
    }
    wb.calculate();
    for (int r = 0; r < row; ++r) {
        SCOPED_TRACE(criteria[r]);
        EXPECT_EQ(s.value(r, 3), s.value(r, 4));
        EXPECT_EQ(s.value(r, 4), s.value(r, 5));
        EXPECT_EQ(s.value(r, 6), s.value(r, 7));
        EXPECT_EQ(s.value(r, 7), s.value(r, 8));
    }
}
