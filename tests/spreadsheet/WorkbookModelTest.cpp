// Sheets, cells, styles, sizes and view options of the workbook model.
#include "SheetData.h"
#include "StylePool.h"

#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <QLocale>

#include <gtest/gtest.h>

using namespace spreadsheet;

TEST(WorkbookModelTest, SheetNamesAreUniqueIgnoringCase)
{
    Workbook wb;
    EXPECT_EQ(wb.addSheet().name(), QStringLiteral("Sheet1"));
    wb.addSheet("Parâmetros");
    EXPECT_EQ(wb.addSheet().name(), QStringLiteral("Sheet3"));
    EXPECT_EQ(wb.findSheet(u"PARÂMETROS"), &wb.sheet(1));
    EXPECT_THROW(wb.addSheet("sheet1"), SpreadsheetError);
    EXPECT_THROW(wb.addSheet("a/b"), SpreadsheetError);
    EXPECT_THROW(wb.renameSheet(2, "parâmetros"), SpreadsheetError);
    wb.renameSheet(2, "Leiaute");
    wb.deleteSheet(0);
    EXPECT_EQ(wb.sheetCount(), 2);
    EXPECT_EQ(wb.addSheet().name(), QStringLiteral("Sheet3"));
    EXPECT_EQ(wb.findSheet(u"Sheet1"), nullptr);
}

TEST(WorkbookModelTest, RowAndColumnCountsFollowContentAndStyle)
{
    Workbook wb;
    Sheet& s = wb.addSheet();
    EXPECT_EQ(s.rowCount(), 0);
    EXPECT_EQ(s.columnCount(), 0);
    s.setValue(99, 3, 1.0);
    EXPECT_EQ(s.rowCount(), 100);
    EXPECT_EQ(s.columnCount(), 4);
    CellStyle bold;
    bold.font.bold = true;
    s.setStyle(199, 7, bold);
    EXPECT_EQ(s.rowCount(), 200);
    EXPECT_EQ(s.columnCount(), 8);
    s.setStyle(199, 7, CellStyle{});
    EXPECT_FALSE(s.hasCell(199, 7));
    EXPECT_EQ(s.rowCount(), 100);
    s.clearCell(99, 3);
    EXPECT_EQ(s.rowCount(), 0);
    EXPECT_THROW(s.setValue(kMaxRows, 0, 1.0), SpreadsheetError);
    EXPECT_THROW(s.setValue(0, -1, 1.0), SpreadsheetError);
}

TEST(WorkbookModelTest, StylesAreSharedBetweenCells)
{
    Workbook wb;
    Sheet& s = wb.addSheet();
    CellStyle style;
    style.font.name = "Arial";
    style.alignHorz = HorizontalAlignment::Right;
    style.borderTop = BorderLine::Double;
    for (int r = 0; r < 1000; ++r) {
        s.setStyle(r, 0, style);
    }
    EXPECT_EQ(wb.styles().size(), 2u);
    EXPECT_EQ(s.style(500, 0), style);
    EXPECT_EQ(s.style(500, 1), CellStyle{});
    s.setValue(3, 0, 5.0);  // content keeps the style
    EXPECT_EQ(s.style(3, 0).borderTop, BorderLine::Double);
}

TEST(WorkbookModelTest, EditTextKeepsFullPrecisionWithoutGrouping)
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    Workbook wb;
    Sheet& s = wb.addSheet();
    s.setValue(0, 0, 1234567.125);
    s.setValue(1, 0, 0.1 + 0.2);
    s.setValue(2, 0, 12.0);
    s.setValue(3, 0, Value::boolean(true));
    EXPECT_EQ(s.text(0, 0), QStringLiteral("1234567,125"));
    EXPECT_EQ(s.text(1, 0), QStringLiteral("0,30000000000000004"));
    EXPECT_EQ(s.text(2, 0), QStringLiteral("12"));
    EXPECT_EQ(s.text(3, 0), QStringLiteral("VERDADEIRO"));
    EXPECT_EQ(s.displayText(0, 0).contains(u','), true);  // decimal comma on screen

    // Typed text in the user's locale.
    s.setText(4, 0, "1,5");
    EXPECT_EQ(s.value(4, 0).number(), 1.5);
    s.setText(5, 0, "1.234");
    EXPECT_EQ(s.value(5, 0).number(), 1234.0);
    s.setText(6, 0, "1..5;7");
    EXPECT_EQ(s.value(6, 0).text(), QStringLiteral("1..5;7"));
    s.setText(7, 0, "'123");
    EXPECT_EQ(s.value(7, 0).text(), QStringLiteral("123"));
    s.setText(8, 0, "falso");
    EXPECT_TRUE(s.value(8, 0).isBoolean());
    s.setText(9, 0, "#N/D");  // not an error literal of the engine: stays text
    EXPECT_TRUE(s.value(9, 0).isText());
    s.setText(10, 0, "50%");
    EXPECT_DOUBLE_EQ(s.value(10, 0).number(), 0.5);
    QLocale::setDefault(QLocale::c());
}

TEST(WorkbookModelTest, SizesAndViewOptions)
{
    Workbook wb;
    Sheet& s = wb.addSheet();
    EXPECT_EQ(s.rowHeight(3), s.defaultRowHeight());
    s.setRowHeight(3, 40);
    s.setColumnWidth(2, 120);
    s.setColumnHidden(4, true);
    s.setRowHidden(3, true);
    EXPECT_EQ(s.rowHeight(3), 40);
    EXPECT_TRUE(s.isRowHidden(3));
    EXPECT_EQ(s.columnWidth(2), 120);
    EXPECT_TRUE(s.isColumnHidden(4));
    EXPECT_EQ(s.columnWidth(4), s.defaultColumnWidth());
    s.setRowHidden(3, false);
    s.setRowHeight(3, -1);
    EXPECT_TRUE(s.data().rows.empty());  // defaults are not stored

    EXPECT_EQ(s.gridLines(), TriState::Default);
    s.setShowFormulas(TriState::On);
    s.setSelection({1, 2, 3, 4});
    EXPECT_EQ(s.selection().right, 3);
    wb.setR1C1References(true);
    s.setText(5, 5, "=A1+$B$2");
    EXPECT_EQ(s.text(5, 5), QStringLiteral("=A1+$B$2"));  // cell text stays A1
}

TEST(WorkbookModelTest, DefinedNamesWithoutSheetReferToTheActiveSheet)
{
    Workbook wb;
    Sheet& p = wb.addSheet("Parâmetros");
    Sheet& l = wb.addSheet("Leiaute");
    p.setText(0, 1, "1..5", TextMode::Plain);
    l.setText(0, 1, "9", TextMode::Plain);
    wb.defineName("Empresas", "$B$1");
    wb.defineName("Filiais", "'Parâmetros'!$B$1:$B$3;Leiaute!A1");
    EXPECT_THROW(wb.defineName("A1", "$B$1"), SpreadsheetError);
    EXPECT_THROW(wb.defineName("tem espaço", "$B$1"), SpreadsheetError);

    wb.setActiveSheet(0);
    auto areas = wb.findName(u"empresas")->areas(wb);
    ASSERT_EQ(areas.size(), 1u);
    EXPECT_EQ(areas[0].sheet, &p);
    wb.setActiveSheet(1);
    EXPECT_EQ(wb.findName(u"Empresas")->areas(wb)[0].sheet, &l);

    areas = wb.findName(u"Filiais")->areas(wb);
    ASSERT_EQ(areas.size(), 2u);
    EXPECT_EQ(areas[0].range, (CellRange{1, 0, 1, 2}));
    EXPECT_EQ(areas[1].sheet, &l);
    wb.deleteName(u"FILIAIS");
    EXPECT_EQ(wb.findName(u"Filiais"), nullptr);
}
