// Sorting, merging, formatting, clearing and tab-separated text of a sheet.
#include "TestPrinters.h"

#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <QLocale>
#include <QStringList>

#include <gtest/gtest.h>

using namespace spreadsheet;

namespace {

// Every test here reads numbers and booleans the way a Brazilian user types
// them; the default locale is restored afterwards for the other suites.
class SheetOperations : public ::testing::Test {
protected:
    SheetOperations() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    ~SheetOperations() override { QLocale::setDefault(saved_); }

    void fillColumn(int column, const QStringList& texts)
    {
        for (int row = 0; row < texts.size(); ++row) {
            sheet.setText(row, column, texts[row]);
        }
    }
    QStringList columnTexts(int column, int rows) const
    {
        QStringList texts;
        for (int row = 0; row < rows; ++row) {
            texts << sheet.text(row, column);
        }
        return texts;
    }
    History& history() { return wb.history(); }

    QLocale saved_;
    Workbook wb;
    Sheet& sheet = wb.addSheet();
};

CellStyle boldStyle()
{
    CellStyle style;
    style.font.bold = true;
    return style;
}

using SheetSortTest = SheetOperations;

TEST_F(SheetSortTest, KindsOrderAndEmptyCellsStayLast)
{
    const QStringList mixed{"b", "3", "", "VERDADEIRO", "A", "1", "#DIV/0!", "", "2"};
    fillColumn(0, mixed);
    sheet.SortByColumnValues({0, 0, 0, 8}, {}, {});
    EXPECT_EQ(columnTexts(0, 9), (QStringList{"1", "2", "3", "A", "b", "VERDADEIRO", "#DIV/0!", "", ""}));
    sheet.SortByColumnValues({0, 0, 0, 8}, {SortOrder::Descending}, {});
    EXPECT_EQ(columnTexts(0, 9), (QStringList{"#DIV/0!", "VERDADEIRO", "b", "A", "3", "2", "1", "", ""}));
}

TEST_F(SheetSortTest, EqualKeysKeepTheirOrderIgnoringCase)
{
    fillColumn(0, {"b", "a", "B", "A", "á"});
    fillColumn(1, {"1", "2", "3", "4", "5"});
    sheet.SortByColumnValues({0, 0, 1, 4}, {}, {});
    EXPECT_EQ(columnTexts(1, 5), (QStringList{"2", "4", "5", "1", "3"}));
    sheet.SortByColumnValues({0, 0, 1, 4}, {SortOrder::Descending}, {});
    EXPECT_EQ(columnTexts(1, 5), (QStringList{"1", "3", "5", "2", "4"}));
}

TEST_F(SheetSortTest, ManyEqualKeysKeepTheirOrder)
{
    const QStringList keys{"b", "A", "a", "B", ""};
    for (int row = 0; row < 200; ++row) {
        sheet.setText(row, 0, keys[(row * 7) % keys.size()]);
        sheet.setValue(row, 1, Value(static_cast<double>(row)));
    }
    sheet.SortByColumnValues({0, 0, 1, 199}, {SortOrder::Descending}, {});
    for (int row = 1; row < 200; ++row) {
        const bool sameKey = sheet.text(row, 0).compare(sheet.text(row - 1, 0), Qt::CaseInsensitive) == 0;
        if (sameKey) {
            EXPECT_LT(sheet.value(row - 1, 1).number(), sheet.value(row, 1).number()) << "row " << row;
        }
    }
    EXPECT_EQ(sheet.text(0, 0).toLower(), QStringLiteral("b"));
    EXPECT_EQ(sheet.text(199, 0), QString());
}

TEST_F(SheetSortTest, LaterKeysBreakTiesWithTheirOwnOrder)
{
    fillColumn(0, {"Vendas", "Obras", "Vendas", "Obras", "Vendas"});
    fillColumn(1, {"1000", "2500", "3000", "1500", ""});
    fillColumn(2, {"Ana", "Bia", "Caio", "Davi", "Eva"});
    sheet.SortByColumnValues({0, 0, 2, 4}, {SortOrder::Ascending, SortOrder::Descending}, {0, 1});
    EXPECT_EQ(columnTexts(2, 5), (QStringList{"Bia", "Davi", "Caio", "Ana", "Eva"}));
    // With a missing order the second key sorts ascending.
    sheet.SortByColumnValues({0, 0, 2, 4}, {SortOrder::Descending}, {0, 1});
    EXPECT_EQ(columnTexts(2, 5), (QStringList{"Ana", "Caio", "Eva", "Davi", "Bia"}));
}

TEST_F(SheetSortTest, OnlyTheAreaMovesAndRowsMoveAsIfCopied)
{
    fillColumn(0, {"", "4", "1", "3", "2"});
    sheet.setText(1, 1, "=A2*2");
    sheet.setText(1, 2, "=$A$2+1");
    sheet.setText(1, 3, "fora");
    sheet.setText(6, 0, "=SUM(A2:A5)");
    sheet.setStyle(1, 0, boldStyle());
    sheet.SortByColumnValues({0, 1, 2, 4}, {}, {0});
    EXPECT_EQ(columnTexts(0, 5), (QStringList{"", "1", "2", "3", "4"}));
    EXPECT_EQ(sheet.text(4, 1), QStringLiteral("=A5*2"));
    EXPECT_EQ(sheet.value(4, 1), Value(8.0));
    EXPECT_EQ(sheet.text(4, 2), QStringLiteral("=$A$2+1"));
    EXPECT_EQ(sheet.value(4, 2), Value(2.0));
    EXPECT_FALSE(sheet.hasCell(1, 1));
    EXPECT_EQ(sheet.text(1, 3), QStringLiteral("fora"));
    EXPECT_TRUE(sheet.style(4, 0).font.bold);
    EXPECT_FALSE(sheet.style(1, 0).font.bold);
    EXPECT_EQ(sheet.text(6, 0), QStringLiteral("=SUM(A2:A5)"));
    EXPECT_EQ(sheet.value(6, 0), Value(10.0));
}

TEST_F(SheetSortTest, OneUndoRestoresTheOriginalOrder)
{
    fillColumn(0, {"3", "1", "2"});
    sheet.setText(0, 1, "=A1+10");
    const int actions = history().GetUndoActionCount();
    sheet.SortByColumnValues({0, 0, 1, 2}, {}, {});
    ASSERT_EQ(history().GetUndoActionCount(), actions + 1);
    EXPECT_EQ(history().GetUndoAction(0), QStringLiteral("Classificar"));
    EXPECT_EQ(sheet.text(2, 1), QStringLiteral("=A3+10"));
    history().Undo();
    EXPECT_EQ(columnTexts(0, 3), (QStringList{"3", "1", "2"}));
    EXPECT_EQ(sheet.text(0, 1), QStringLiteral("=A1+10"));
    EXPECT_EQ(sheet.value(0, 1), Value(13.0));
    history().Redo();
    EXPECT_EQ(columnTexts(0, 3), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(sheet.value(2, 1), Value(13.0));
}

TEST_F(SheetSortTest, WholeColumnsSortOnlyTheUsedRows)
{
    for (int row = 0; row < 2000; ++row) {
        sheet.setValue(row, 0, Value(static_cast<double>((row * 7919) % 2000)));
    }
    sheet.SortByColumnValues({0, 0, 0, kMaxRows - 1}, {SortOrder::Descending}, {});
    EXPECT_EQ(sheet.value(0, 0), Value(1999.0));
    EXPECT_EQ(sheet.value(1999, 0), Value(0.0));
    EXPECT_EQ(sheet.rowCount(), 2000);
}

TEST_F(SheetSortTest, RefusedSortsChangeNothing)
{
    fillColumn(0, {"2", "1"});
    sheet.mergeCells({1, 0, 2, 0});
    const int actions = history().GetUndoActionCount();
    EXPECT_THROW(sheet.SortByColumnValues({0, 0, 1, 1}, {}, {3}), SpreadsheetError);
    EXPECT_THROW(sheet.SortByColumnValues({0, 0, 1, 1}, {}, {}), SpreadsheetError);
    EXPECT_EQ(columnTexts(0, 2), (QStringList{"2", "1"}));
    EXPECT_EQ(history().GetUndoActionCount(), actions);
}

using SheetMergeTest = SheetOperations;

TEST_F(SheetMergeTest, MergingKeepsTheTopLeftValueAndOtherStyles)
{
    sheet.setText(0, 0, "Título");
    sheet.setText(0, 1, "perdido");
    sheet.setStyle(1, 1, boldStyle());
    sheet.setText(1, 1, "=A1");
    sheet.setText(5, 0, "=B2");
    sheet.mergeCells({0, 0, 2, 1});
    EXPECT_EQ(sheet.mergedAreas(), (std::vector<CellRange>{{0, 0, 2, 1}}));
    EXPECT_EQ(sheet.text(0, 0), QStringLiteral("Título"));
    EXPECT_EQ(sheet.text(0, 1), QString());
    EXPECT_EQ(sheet.text(1, 1), QString());
    EXPECT_TRUE(sheet.style(1, 1).font.bold);
    EXPECT_EQ(sheet.value(5, 0), Value(0.0));
    EXPECT_EQ(history().GetUndoAction(0), QStringLiteral("Mesclar células"));

    history().Undo();
    EXPECT_TRUE(sheet.mergedAreas().empty());
    EXPECT_EQ(sheet.text(0, 1), QStringLiteral("perdido"));
    EXPECT_EQ(sheet.text(1, 1), QStringLiteral("=A1"));
    EXPECT_EQ(sheet.value(5, 0), Value(QStringLiteral("Título")));
    history().Redo();
    EXPECT_EQ(sheet.mergedAreas().size(), 1u);
    EXPECT_EQ(sheet.text(0, 1), QString());
}

TEST_F(SheetMergeTest, InnerMergesAreAbsorbedAndCrossingOnesRefused)
{
    sheet.mergeCells({1, 1, 2, 2});
    sheet.mergeCells({5, 5, 6, 6});
    sheet.mergeCells({0, 0, 3, 3});
    EXPECT_EQ(sheet.mergedAreas().size(), 2u);
    const CellRange* merged = sheet.mergedAreaAt(2, 2);
    ASSERT_NE(merged, nullptr);
    EXPECT_EQ(*merged, (CellRange{0, 0, 3, 3}));
    EXPECT_EQ(sheet.mergedAreaAt(4, 4), nullptr);

    sheet.setText(3, 3, "fica");
    const int actions = history().GetUndoActionCount();
    EXPECT_THROW(sheet.mergeCells({3, 3, 5, 5}), SpreadsheetError);
    EXPECT_EQ(sheet.mergedAreas().size(), 2u);
    EXPECT_EQ(sheet.text(3, 3), QStringLiteral("fica"));
    EXPECT_EQ(history().GetUndoActionCount(), actions);

    sheet.mergeCells({7, 7, 7, 7});
    EXPECT_EQ(sheet.mergedAreas().size(), 2u);
    EXPECT_EQ(history().GetUndoActionCount(), actions);
}

TEST_F(SheetMergeTest, SplittingRemovesEveryMergeTouchingTheArea)
{
    sheet.mergeCells({0, 0, 1, 1});
    sheet.mergeCells({3, 0, 4, 1});
    sheet.mergeCells({0, 5, 1, 6});
    sheet.splitCells({1, 1, 3, 1});
    EXPECT_EQ(sheet.mergedAreas(), (std::vector<CellRange>{{0, 5, 1, 6}}));
    EXPECT_EQ(history().GetUndoAction(0), QStringLiteral("Desfazer mesclagem"));
    history().Undo();
    EXPECT_EQ(sheet.mergedAreas().size(), 3u);
    EXPECT_NE(sheet.mergedAreaAt(1, 4), nullptr);
}

using SheetFormatTest = SheetOperations;

TEST_F(SheetFormatTest, FormattingIsOneActionKeepingOtherStyleParts)
{
    CellStyle italic;
    italic.font.italic = true;
    sheet.setStyle(0, 0, italic);
    sheet.setText(1, 1, "5");
    const int actions = history().GetUndoActionCount();
    sheet.formatCells({0, 0, 1, 2}, [](CellStyle& s) { s.font.bold = true; });
    EXPECT_EQ(history().GetUndoActionCount(), actions + 1);
    EXPECT_EQ(history().GetUndoAction(0), QStringLiteral("Formatar células"));
    EXPECT_TRUE(sheet.style(0, 0).font.bold);
    EXPECT_TRUE(sheet.style(0, 0).font.italic);
    EXPECT_TRUE(sheet.style(2, 1).font.bold);
    EXPECT_FALSE(sheet.style(3, 1).font.bold);
    EXPECT_EQ(sheet.value(1, 1), Value(5.0));

    history().Undo();
    EXPECT_EQ(sheet.style(0, 0), italic);
    EXPECT_FALSE(sheet.style(1, 1).font.bold);
    EXPECT_FALSE(sheet.hasCell(2, 1));
}

TEST_F(SheetFormatTest, HugeAreasAreRefused)
{
    EXPECT_THROW(sheet.formatCells({0, 0, 0, kMaxRows - 1}, [](CellStyle& s) { s.locked = false; }),
                 SpreadsheetError);
    EXPECT_EQ(sheet.rowCount(), 0);
}

TEST_F(SheetFormatTest, FreezingKeepsValuesAndStyles)
{
    sheet.setText(0, 0, "2");
    sheet.setText(0, 1, "=A1*3");
    sheet.setText(1, 1, "=A1&\"x\"");
    sheet.setStyle(0, 1, boldStyle());
    sheet.freezeFormulas({1, 0, 1, kMaxRows - 1});
    EXPECT_EQ(history().GetUndoAction(0), QStringLiteral("Converter em valores"));
    EXPECT_FALSE(sheet.isFormula(0, 1));
    EXPECT_EQ(sheet.value(1, 1), Value(QStringLiteral("2x")));
    EXPECT_TRUE(sheet.style(0, 1).font.bold);
    sheet.setText(0, 0, "10");
    EXPECT_EQ(sheet.value(0, 1), Value(6.0));
    history().Undo(2);
    EXPECT_EQ(sheet.text(0, 1), QStringLiteral("=A1*3"));
    EXPECT_EQ(sheet.value(0, 1), Value(6.0));
}

TEST_F(SheetFormatTest, ClearingValuesOrEverything)
{
    sheet.setText(0, 0, "1");
    sheet.setStyle(0, 0, boldStyle());
    sheet.setText(500000, 0, "longe");
    sheet.setText(0, 1, "=A1+1");
    sheet.clearValues({0, 0, 0, kMaxRows - 1});
    EXPECT_EQ(history().GetUndoAction(0), QStringLiteral("Limpar conteúdo"));
    EXPECT_EQ(sheet.value(0, 0), Value());
    EXPECT_TRUE(sheet.style(0, 0).font.bold);
    EXPECT_FALSE(sheet.hasCell(500000, 0));
    EXPECT_EQ(sheet.value(0, 1), Value(1.0));

    sheet.clearCells({0, 0, 0, kMaxRows - 1});
    EXPECT_EQ(history().GetUndoAction(0), QStringLiteral("Limpar"));
    EXPECT_FALSE(sheet.hasCell(0, 0));
    history().Undo(2);
    EXPECT_EQ(sheet.text(500000, 0), QStringLiteral("longe"));
    EXPECT_TRUE(sheet.style(0, 0).font.bold);
    EXPECT_EQ(sheet.value(0, 1), Value(2.0));
}

using SheetTextTest = SheetOperations;

TEST_F(SheetTextTest, CopiedTextShowsCellsAsDisplayed)
{
    sheet.setValue(0, 0, Value(1.5));
    sheet.setText(0, 1, "tem\ttab");
    sheet.setText(1, 0, "duas\nlinhas");
    sheet.setText(1, 1, "diz \"oi\"");
    sheet.setValue(2, 1, Value::boolean(false));
    EXPECT_EQ(sheet.toTabSeparatedText({0, 0, 25, 99}),
              QStringLiteral("1,5\t\"tem\ttab\"\n\"duas\nlinhas\"\t\"diz \"\"oi\"\"\"\n\tFALSO\n"));
    EXPECT_EQ(sheet.toTabSeparatedText({1, 2, 1, 2}), QStringLiteral("FALSO\n"));
    EXPECT_EQ(sheet.toTabSeparatedText({5, 5, 9, 9}), QString());
}

TEST_F(SheetTextTest, PastedTextRoundTrips)
{
    CellStyle money;
    money.numberFormat = QStringLiteral("#,##0.00");
    sheet.setStyle(0, 0, money);
    sheet.setValue(0, 0, Value(-1234.25));
    sheet.setText(0, 1, "a\t\"b\"\r\nc");
    sheet.setValue(1, 0, Value::error(ErrorCode::NA));
    sheet.setValue(1, 1, Value::boolean(true));
    sheet.setValue(2, 0, Value(0.5));
    const QString copied = sheet.toTabSeparatedText({0, 0, 1, 2});
    sheet.pasteTabSeparatedText(10, 3, copied);
    EXPECT_EQ(sheet.value(10, 3), Value(-1234.25));
    EXPECT_EQ(sheet.value(10, 4), Value(QStringLiteral("a\t\"b\"\r\nc")));
    EXPECT_EQ(sheet.value(11, 3), Value::error(ErrorCode::NA));
    EXPECT_EQ(sheet.value(11, 4), Value::boolean(true));
    EXPECT_EQ(sheet.value(12, 3), Value(0.5));
    EXPECT_FALSE(sheet.hasCell(12, 4));
    EXPECT_EQ(sheet.rowCount(), 13);
}

TEST_F(SheetTextTest, PastingReadsLineEndsAndQuotesLikeOtherPrograms)
{
    sheet.pasteTabSeparatedText(0, 0, "1\t\"x\"\"y\"\r\n\"sem fim\t2,5\n=A1*2\n");
    EXPECT_EQ(sheet.value(0, 0), Value(1.0));
    EXPECT_EQ(sheet.value(0, 1), Value(QStringLiteral("x\"y")));
    EXPECT_EQ(sheet.value(1, 0), Value(QStringLiteral("\"sem fim")));
    EXPECT_EQ(sheet.value(1, 1), Value(2.5));
    EXPECT_EQ(sheet.value(2, 0), Value(2.0));
    EXPECT_EQ(sheet.rowCount(), 3);
    EXPECT_EQ(history().GetUndoAction(0), QStringLiteral("Colar"));

    sheet.pasteTabSeparatedText(5, 0, "\"um\n\tdois\"\tb\n\n");
    EXPECT_EQ(sheet.value(5, 0), Value(QStringLiteral("um\n\tdois")));
    EXPECT_EQ(sheet.value(5, 1), Value(QStringLiteral("b")));
    EXPECT_EQ(sheet.rowCount(), 6);
}

TEST_F(SheetTextTest, PasteBeyondTheSheetWritesNothing)
{
    sheet.setText(kMaxRows - 2, 0, "antes");
    const int actions = history().GetUndoActionCount();
    EXPECT_THROW(sheet.pasteTabSeparatedText(kMaxRows - 2, 0, "a\nb\nc"), SpreadsheetError);
    EXPECT_THROW(sheet.pasteTabSeparatedText(0, kMaxColumns - 1, "a\tb"), SpreadsheetError);
    EXPECT_EQ(sheet.text(kMaxRows - 2, 0), QStringLiteral("antes"));
    EXPECT_EQ(history().GetUndoActionCount(), actions);

    sheet.pasteTabSeparatedText(kMaxRows - 2, 0, "x\ny\n");
    EXPECT_EQ(sheet.text(kMaxRows - 1, 0), QStringLiteral("y"));
    history().Undo();
    EXPECT_EQ(sheet.text(kMaxRows - 2, 0), QStringLiteral("antes"));
    EXPECT_FALSE(sheet.hasCell(kMaxRows - 1, 0));
}

}  // namespace
