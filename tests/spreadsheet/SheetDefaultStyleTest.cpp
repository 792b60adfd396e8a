// A default style per sheet: what cells without a style of their own show,
// and how it travels with copies, moves and structure edits.
#include "TestPrinters.h"

#include <spreadsheet/ClipboardBlock.h>
#include <spreadsheet/History.h>
#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

#include <functional>

using namespace spreadsheet;

namespace {

// A number format as well as a font, so that the display text shows whether
// the whole default style travelled.
CellStyle calibri()
{
    CellStyle style;
    style.font.name = QStringLiteral("Calibri");
    style.font.size = 11;
    style.numberFormat = QStringLiteral("0");
    return style;
}

// "Sheet1" has the Calibri default: A1 holds 1.5 with no style of its own,
// A2 holds 7 set to Tahoma on purpose. "Parâmetros" keeps Tahoma.
struct Books {
    Books() : first(wb.addSheet("Sheet1")), second(wb.addSheet("Parâmetros")), foreign(other.addSheet("Leiaute"))
    {
        first.setDefaultStyle(calibri());
        first.setValue(0, 0, 1.5);
        first.setValue(1, 0, 7.0);
        first.setStyle(1, 0, CellStyle{});
    }
    Workbook wb;
    Workbook other;
    Sheet& first;
    Sheet& second;
    Sheet& foreign;  // in another workbook
};

struct Case {
    const char* name;
    std::function<const Sheet&(Books&)> act;  // gives the sheet to look at
    int row;
    CellStyle style;  // of column A at the row
    const char* display;
};

const Case kCases[] = {
    {"unstyled cell shows the sheet default", [](Books& b) -> const Sheet& { return b.first; }, 0, calibri(), "2"},
    {"empty cell shows the sheet default", [](Books& b) -> const Sheet& { return b.first; }, 5, calibri(), ""},
    {"explicit Tahoma stays Tahoma", [](Books& b) -> const Sheet& { return b.first; }, 1, CellStyle{}, "7"},
    {"copy to a Tahoma sheet keeps Calibri",
     [](Books& b) -> const Sheet& {
         ClipboardBlock::copy(b.first, {0, 0, 0, 1}).paste(b.second, 0, 0);
         return b.second;
     },
     0, calibri(), "2"},
    {"copy to a Tahoma sheet keeps explicit Tahoma",
     [](Books& b) -> const Sheet& {
         ClipboardBlock::copy(b.first, {0, 0, 0, 1}).paste(b.second, 0, 0);
         return b.second;
     },
     1, CellStyle{}, "7"},
    {"cut to a Tahoma sheet keeps Calibri",
     [](Books& b) -> const Sheet& {
         ClipboardBlock::cut(b.first, {0, 0, 0, 1}).paste(b.second, 3, 0);
         return b.second;
     },
     3, calibri(), "2"},
    {"bytes into another workbook keep Calibri",
     [](Books& b) -> const Sheet& {
         const QByteArray bytes = ClipboardBlock::copy(b.first, {0, 0, 0, 1}).toBytes();
         ClipboardBlock::fromBytes(bytes).paste(b.foreign, 0, 0);
         return b.foreign;
     },
     0, calibri(), "2"},
    {"copied back, explicit Tahoma stays Tahoma",
     [](Books& b) -> const Sheet& {
         ClipboardBlock::copy(b.first, {0, 0, 0, 1}).paste(b.second, 0, 0);
         ClipboardBlock::copy(b.second, {0, 0, 0, 1}).paste(b.first, 10, 0);
         return b.first;
     },
     11, CellStyle{}, "7"},
    {"inserted rows move the explicit style",
     [](Books& b) -> const Sheet& {
         b.first.InsertRows(0, 2);
         return b.first;
     },
     3, CellStyle{}, "7"},
    {"undone insertion puts Tahoma back",
     [](Books& b) -> const Sheet& {
         b.first.InsertRows(0, 2);
         b.wb.history().Undo(1);
         return b.first;
     },
     1, CellStyle{}, "7"},
};

}  // namespace

TEST(SheetDefaultStyleTest, CellsShowWhatTheirSheetAndTheirOwnStyleSay)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        Books books;
        const Sheet& sheet = c.act(books);
        EXPECT_EQ(sheet.style(c.row, 0), c.style);
        EXPECT_EQ(sheet.displayText(c.row, 0), QString::fromUtf8(c.display));
    }
}

TEST(SheetDefaultStyleTest, OnlyStylesOtherThanTheDefaultAreACellsOwn)
{
    Books b;
    b.first.setStyle(4, 4, CellStyle{});
    EXPECT_TRUE(b.first.hasCell(4, 4));
    b.first.setStyle(4, 4, calibri());
    EXPECT_FALSE(b.first.hasCell(4, 4));

    // Formatting and then taking the format back returns to the default.
    b.first.formatCells({4, 4, 4, 4}, [](CellStyle& s) { s.font.bold = true; });
    EXPECT_TRUE(b.first.style(4, 4).font.bold);
    EXPECT_EQ(b.first.style(4, 4).font.name, QStringLiteral("Calibri"));
    b.first.formatCells({4, 4, 4, 4}, [](CellStyle& s) { s.font.bold = false; });
    EXPECT_FALSE(b.first.hasCell(4, 4));
}
