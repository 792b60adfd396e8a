// Stopping a long calculation from outside, and what it leaves behind.
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

using namespace spreadsheet;

namespace {

constexpr int kFormulas = 2000;

// A chain: every formula needs the one above, so one calculation walks
// them all.
void fillChain(Workbook& wb)
{
    Sheet& s = wb.addSheet();
    wb.beginUpdate();
    s.setValue(0, 0, 1.0);
    for (int row = 1; row <= kFormulas; ++row) {
        s.setText(row, 0, QStringLiteral("=A%1+1").arg(row));
    }
    wb.endUpdate();
}

}  // namespace

TEST(CalculationInterruptTest, TheCheckStopsTheCalculationWhichRunsInFullLater)
{
    Workbook wb;
    fillChain(wb);
    int checks = 0;
    wb.setCalculationInterrupt([&checks] { return ++checks == 2; });
    EXPECT_THROW(wb.calculate(), CalculationInterrupted);
    EXPECT_EQ(checks, 2);

    // Nothing the stopped calculation skipped passes for calculated.
    wb.setCalculationInterrupt({});
    wb.calculateIfChanged();
    EXPECT_EQ(wb.sheet(0).value(kFormulas, 0).number(), kFormulas + 1.0);
}

TEST(CalculationInterruptTest, ACheckThatNeverStopsIsAskedOftenAndChangesNothing)
{
    Workbook wb;
    fillChain(wb);
    int checks = 0;
    wb.setCalculationInterrupt([&checks] {
        ++checks;
        return false;
    });
    wb.calculate();
    EXPECT_EQ(wb.sheet(0).value(kFormulas, 0).number(), kFormulas + 1.0);
    // Asked at least once every few hundred formulas.
    EXPECT_GE(checks, kFormulas / 500);
}
