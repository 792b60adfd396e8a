// One sheet as delimited text.
#include "CsvWriter.h"
#include "IoTestSupport.h"

#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <QBuffer>
#include <QLocale>

#include <gtest/gtest.h>

using namespace spreadsheet;
using namespace spreadsheet::io;

namespace {

using iotest::LocaleGuard;

const QByteArray kBom("\xEF\xBB\xBF");

QByteArray csv(const Sheet& sheet, QChar separator = u';')
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CsvWriter::write(sheet, buffer, separator);
    return buffer.data();
}

TEST(CsvWriterTest, QuotesFieldsThatHoldTheSeparatorQuotesOrLineBreaks)
{
    Workbook workbook;
    Sheet& sheet = workbook.addSheet();
    const std::vector<std::pair<QString, QString>> cases{
        {QStringLiteral("simples"), QStringLiteral("simples")},
        {QStringLiteral("a;b"), QStringLiteral("\"a;b\"")},
        {QStringLiteral("diz \"oi\""), QStringLiteral("\"diz \"\"oi\"\"\"")},
        {QStringLiteral("duas\nlinhas"), QStringLiteral("\"duas\nlinhas\"")},
        {QStringLiteral("retorno\rsó"), QStringLiteral("\"retorno\rsó\"")},
        {QStringLiteral("vírgula, sem aspas"), QStringLiteral("vírgula, sem aspas")},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        sheet.setText(static_cast<int>(i), 0, cases[i].first, TextMode::Plain);
    }
    QString expected;
    for (const auto& [text, field] : cases) {
        expected += field + QStringLiteral("\r\n");
    }
    EXPECT_EQ(csv(sheet), kBom + expected.toUtf8());
}

TEST(CsvWriterTest, AnotherSeparatorIsQuotedInstead)
{
    Workbook workbook;
    Sheet& sheet = workbook.addSheet();
    sheet.setText(0, 0, QStringLiteral("a,b"), TextMode::Plain);
    sheet.setText(0, 1, QStringLiteral("c;d"), TextMode::Plain);
    EXPECT_EQ(csv(sheet, u','), kBom + "\"a,b\",c;d\r\n");
}

TEST(CsvWriterTest, NumbersInTheLocalesFormAndFormulasAsTheirValues)
{
    const LocaleGuard locale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    Workbook workbook;
    Sheet& sheet = workbook.addSheet();
    sheet.setValue(0, 0, 1234.5);
    CellStyle money;
    money.numberFormat = QStringLiteral("#,##0.00");
    sheet.setStyle(0, 0, money);
    sheet.setValue(0, 1, 0.5);
    sheet.setText(0, 2, QStringLiteral("=A1*2"));
    sheet.setStyle(0, 2, money);
    sheet.setText(0, 3, QStringLiteral("=1/0"));
    // The decimal comma is no separator here, but would be with ','.
    EXPECT_EQ(csv(sheet), kBom + "1.234,50;0,5;2.469,00;#DIV/0!\r\n");
    EXPECT_EQ(csv(sheet, u','), kBom + "\"1.234,50\",\"0,5\",\"2.469,00\",#DIV/0!\r\n");
}

TEST(CsvWriterTest, CoversTheUsedRangeWithEmptyFields)
{
    Workbook workbook;
    Sheet& sheet = workbook.addSheet();
    sheet.setValue(0, 1, 1.0);
    sheet.setValue(2, 0, 2.0);
    CellStyle bold;
    bold.font.bold = true;
    sheet.setStyle(5, 5, bold);  // a style alone adds no row or column
    EXPECT_EQ(csv(sheet), kBom + ";1\r\n;\r\n2;\r\n");
    Sheet& empty = workbook.addSheet();
    EXPECT_EQ(csv(empty), kBom);
}

TEST(CsvWriterTest, ADeviceThatRefusesTheTextIsAnError)
{
    Workbook workbook;
    Sheet& sheet = workbook.addSheet();
    sheet.setValue(0, 0, 1.0);
    QBuffer closed;
    EXPECT_THROW(CsvWriter::write(sheet, closed), SpreadsheetError);
}

}  // namespace

// A long sheet is written in blocks made on several threads and in rounds:
// every line comes once, in order, across the blocks' and rounds' edges.
TEST(CsvWriterTest, LongSheetsKeepEveryLineInOrder)
{
    constexpr int kRows = 140001;
    Workbook workbook;
    workbook.setAutomaticCalculation(false);
    Sheet& sheet = workbook.addSheet();
    constexpr int kWidth = 16;  // rounds of 65,536 rows, blocks of at least 8,192
    for (int row = 0; row < kRows; ++row) {
        sheet.setValue(row, 0, row);
        if (row % 7 == 0)
            sheet.setValue(row, 1, Value(QStringLiteral("a;%1").arg(row)));
    }
    sheet.setValue(kRows - 1, kWidth - 1, 1.0);
    const QList<QByteArray> lines = csv(sheet).mid(kBom.size()).split('\n');
    ASSERT_EQ(lines.size(), kRows + 1);  // the last line break ends an empty piece
    int wrong = 0;
    for (int row = 0; row < kRows; ++row) {
        const QByteArray expected = QByteArray::number(row) + ';' +
                                    (row % 7 == 0 ? "\"a;" + QByteArray::number(row) + '"' : QByteArray()) +
                                    QByteArray(kWidth - 2, ';') + (row == kRows - 1 ? "1" : "") + '\r';
        wrong += lines[row] != expected;
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_TRUE(lines.back().isEmpty());
}
