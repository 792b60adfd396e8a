// What the math table cannot say case by case: every Roman numeral of every
// form reads back as the number it was written from.
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <QLocale>

#include <gtest/gtest.h>

using namespace spreadsheet;

TEST(MathFunctionsTest, RomanNumeralsOfEveryFormReadBack)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Workbook workbook;
    Sheet& sheet = workbook.addSheet(QStringLiteral("S"));
    constexpr int kLargest = 3999;
    constexpr int kForms = 5;
    for (int form = 0; form < kForms; ++form) {
        const QString formula = QStringLiteral("=ARABIC(ROMAN(ROW(),%1))").arg(form);
        for (int row = 0; row < kLargest; ++row) {
            sheet.setText(row, form, formula, true);
        }
    }
    workbook.calculate();
    int wrong = 0;
    for (int form = 0; form < kForms; ++form) {
        for (int row = 0; row < kLargest; ++row) {
            if (sheet.value(row, form) != Value(row + 1) && ++wrong <= 5) {
                ADD_FAILURE() << "ARABIC(ROMAN(" << row + 1 << ',' << form << ")) is wrong";
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}
