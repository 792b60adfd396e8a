// What the statistics table cannot say: rows hidden from SUBTOTAL and AGGREGATE.
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

#include <QLocale>

using namespace spreadsheet;

TEST(StatisticalFunctions, HiddenRowsLeftOutByTheirOptions)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Workbook wb;
    Sheet& s = wb.addSheet();
    for (int row = 0; row < 4; ++row) {
        s.setText(row, 0, QString::number(row + 1));
    }
    s.setRowHidden(1, true);
    s.setText(0, 1, QStringLiteral("=SUBTOTAL(9;A1:A4)"));
    s.setText(1, 1, QStringLiteral("=SUBTOTAL(109;A1:A4)"));
    s.setText(2, 1, QStringLiteral("=AGGREGATE(9;5;A1:A4)"));
    s.setText(3, 1, QStringLiteral("=AGGREGATE(9;4;A1:A4)"));
    s.setText(4, 1, QStringLiteral("=SUBTOTAL(102;A1:A4)"));
    wb.calculate();
    EXPECT_EQ(s.value(0, 1), Value(10.0));
    EXPECT_EQ(s.value(1, 1), Value(8.0));
    EXPECT_EQ(s.value(2, 1), Value(8.0));
    EXPECT_EQ(s.value(3, 1), Value(10.0));
    EXPECT_EQ(s.value(4, 1), Value(3.0));
}
