// What a cell shows when its column is narrower than its text.
#include <spreadsheet/CellDisplay.h>
#include <spreadsheet/Workbook.h>

#include <QLocale>

#include <gtest/gtest.h>

using namespace spreadsheet;

namespace {

// Every character 7 pixels wide, so that widths below read as character counts.
constexpr int kCharWidth = 7;

int fakeMeasure(QStringView text)
{
    return static_cast<int>(text.size()) * kCharWidth;
}

struct Case {
    Value value;
    const char* format;
    int characters;  // room given
    const char* shown;
};

class CellDisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = QLocale();
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    }
    void TearDown() override { QLocale::setDefault(saved_); }

    static void check(const std::vector<Case>& cases)
    {
        for (const Case& c : cases) {
            const CellDisplay display(c.characters * kCharWidth, fakeMeasure);
            EXPECT_EQ(display.text(c.value, QString::fromUtf8(c.format), QLocale()), QString::fromUtf8(c.shown))
                << c.format << " in " << c.characters << " characters";
        }
    }

private:
    QLocale saved_;
};

TEST_F(CellDisplayTest, GeneralDropsDecimalsThenTurnsScientificThenFills)
{
    check({
        {1234.5678, "", 9, "1234,5678"},
        {1234.5678, "", 8, "1234,568"},
        {1234.5678, "", 6, "1234,6"},
        {1234.5678, "", 5, "1235"},
        {1234.5678, "", 3, "###"},
        {-1234.5678, "", 5, "-1235"},
        {9999.96, "", 6, "10000"},
        {123456789012.0, "", 11, "1,23457E+11"},
        {123456789012.0, "", 8, "1,23E+11"},
        {123456789012.0, "", 6, "1E+11"},
        {123456789012.0, "", 4, "####"},
        {999999999999.0, "", 6, "1E+12"},
        {0.000123456, "", 6, "0,0001"},
        {0.000123456, "", 5, "1E-04"},
        {1.5e20, "", 6, "2E+20"},
        {1234.5678, "General", 6, "1234,6"},
        {1234.5678, "", -1, ""},
    });
}

TEST_F(CellDisplayTest, FormattedNumbersAndDatesFillAtOnce)
{
    check({
        {42368131.0, "#,##0.00", 13, "42.368.131,00"},
        {42368131.0, "#,##0.00", 12, "############"},
        {45000.0, "dd/mm/yyyy", 9, "#########"},
    });
}

TEST_F(CellDisplayTest, OtherValuesKeepTheirText)
{
    check({
        {Value(QStringLiteral("Resumo da folha")), "", 3, "Resumo da folha"},
        {Value::boolean(true), "", 2, "VERDADEIRO"},
        {Value::error(ErrorCode::Div0), "", 2, "#DIV/0!"},
    });
}

TEST_F(CellDisplayTest, SheetCellUsesItsOwnFormat)
{
    Workbook workbook;
    Sheet& sheet = workbook.addSheet();
    sheet.setValue(0, 0, 42368131.0);
    CellStyle money;
    money.numberFormat = QStringLiteral("#,##0.00");
    sheet.setStyle(0, 0, money);
    sheet.setValue(0, 1, 42368131.0);
    const CellDisplay display(8 * kCharWidth, fakeMeasure);
    EXPECT_EQ(display.text(sheet, 0, 0), QStringLiteral("########"));
    EXPECT_EQ(display.text(sheet, 0, 1), QStringLiteral("42368131"));
}

}  // namespace
