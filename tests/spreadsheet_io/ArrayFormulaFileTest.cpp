// Array formulas through the files: one entered over C1:C3 and one that
// spilled over E1:E3, read from xlsx, written as xlsx and native, read back.
#include "Formula.h"
#include "SheetData.h"

#include <spreadsheet/Reference.h>
#include <spreadsheet/Workbook.h>
#include <spreadsheet/io/WorkbookExport.h>
#include <spreadsheet/io/WorkbookFile.h>

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace spreadsheet;
using namespace spreadsheet::io;

namespace {

const QString kFixture = QStringLiteral(TEST_DATA_DIR "/xlsx/reading/arrays.xlsx");

std::unique_ptr<Workbook> throughXlsx(const Workbook& workbook)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("matriz.xlsx"));
    WorkbookExport::xlsx(workbook, path);
    return WorkbookFile::load(path).workbook;
}

std::unique_ptr<Workbook> throughNative(const Workbook& workbook)
{
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    WorkbookFile::writeNative(workbook, out);
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    return WorkbookFile::LoadFromStream(in).workbook;
}

struct ArrayCase {
    const char* area;
    bool fixed;
    std::vector<Value> shown;  // top to bottom
};

std::ostream& operator<<(std::ostream& out, const ArrayCase& c)
{
    return out << c.area;
}

class ArrayFormulaFileTest : public ::testing::TestWithParam<ArrayCase> {};

// Only the anchor holds a formula, a fixed one keeps its range, and the
// range shows the array as saved and again once calculated.
void expectArray(Workbook& workbook, const ArrayCase& c, const char* route)
{
    SCOPED_TRACE(route);
    const Sheet& sheet = workbook.sheet(0);
    ParsedReference area;
    ASSERT_TRUE(parseReference(QString::fromLatin1(c.area), area));
    const CellRange& a = area.range;
    const Cell* anchor = sheet.data().cells.find(a.top, a.left);
    ASSERT_TRUE(anchor && anchor->kind == CellKind::Formula);
    EXPECT_EQ(anchor->formula->isArrayFormula(), c.fixed);
    if (c.fixed) {
        EXPECT_EQ(anchor->formula->arrayArea(), a);
    }
    for (const bool calculated : {false, true}) {
        if (calculated) {
            workbook.calculate();
        }
        for (int row = a.top; row <= a.bottom; ++row) {
            EXPECT_EQ(sheet.isFormula(row, a.left), row == a.top);
            // The writer keeps no text result for an array formula's own
            // cell: that one is only checked once calculated.
            if (calculated || row > a.top || !c.shown[0].isText()) {
                EXPECT_EQ(sheet.value(row, a.left), c.shown[std::size_t(row - a.top)])
                    << cellAddressText(row, a.left).toStdString() << (calculated ? " calculada" : "");
            }
        }
    }
}

TEST_P(ArrayFormulaFileTest, ComesBackFromEveryFormat)
{
    const std::unique_ptr<Workbook> read = WorkbookFile::load(kFixture).workbook;
    ASSERT_TRUE(read);
    expectArray(*throughXlsx(*read), GetParam(), "xlsx");
    expectArray(*throughNative(*read), GetParam(), "nxs");
    expectArray(*read, GetParam(), "lida");
}

INSTANTIATE_TEST_SUITE_P(
    Arrays, ArrayFormulaFileTest,
    ::testing::Values(ArrayCase{"C1:C3", true, {Value(2.0), Value(4.0), Value(6.0)}},
                      ArrayCase{"E1:E3", false,
                                {Value(QStringLiteral("um")), Value(QStringLiteral("dois")),
                                 Value(QStringLiteral("três"))}}));

TEST(ArrayFormulaCsvTest, SpilledValuesAreWritten)
{
    Workbook workbook;
    Sheet& sheet = workbook.addSheet(QStringLiteral("Plan1"));
    for (int row = 0; row < 3; ++row) {
        sheet.setValue(row, 0, Value(row + 1.0));
    }
    sheet.setText(0, 1, QStringLiteral("=A1:A3*2"));
    workbook.calculate();
    QByteArray out;
    WorkbookExport::csv(sheet, out);
    EXPECT_EQ(out, QByteArray("\xEF\xBB\xBF" "1;2\r\n2;4\r\n3;6\r\n"));
}

}  // namespace
