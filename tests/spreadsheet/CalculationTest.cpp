// Dependency tracking, ordering, batching and circular references.
#include "Calculator.h"

#include <spreadsheet/FormulaResult.h>
#include <spreadsheet/FunctionRepository.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

using namespace spreadsheet;

namespace {

std::uint64_t evaluations(const Workbook& wb)
{
    return wb.calculator().evaluationCount();
}

}  // namespace

TEST(CalculationTest, AnEditReevaluatesOnlyItsDependents)
{
    Workbook wb;
    Sheet& s = wb.addSheet();
    s.setValue(0, 0, 1.0);            // A1
    s.setText(0, 1, "=A1*2");         // B1 <- A1
    s.setText(0, 2, "=B1+1");         // C1 <- B1
    s.setText(0, 3, "=SUM(A1:A3)");   // D1 <- A1:A3
    s.setValue(5, 0, 10.0);           // A6
    s.setText(5, 1, "=A6*3");         // B6, independent of A1
    s.setText(6, 1, "=SUM(A5:A9)");   // B7, independent of A1
    wb.calculate();

    const auto before = evaluations(wb);
    s.setValue(0, 0, 5.0);
    EXPECT_EQ(evaluations(wb) - before, 3u);
    EXPECT_EQ(s.value(0, 1).number(), 10.0);
    EXPECT_EQ(s.value(0, 2).number(), 11.0);
    EXPECT_EQ(s.value(0, 3).number(), 5.0);

    const auto second = evaluations(wb);
    s.setValue(7, 0, 2.0);  // A8: only B7 reads it
    EXPECT_EQ(evaluations(wb) - second, 1u);
    EXPECT_EQ(s.value(6, 1).number(), 12.0);
}

TEST(CalculationTest, DependentsAcrossSheetsAndNamesFollowAnEdit)
{
    Workbook wb;
    Sheet& a = wb.addSheet("Dados");
    Sheet& b = wb.addSheet("Resumo");
    wb.defineName("Taxa", "Dados!$B$1");
    a.setValue(0, 1, 0.1);
    a.setValue(0, 0, 100.0);
    b.setText(0, 0, "=Dados!A1*Taxa");
    EXPECT_DOUBLE_EQ(b.value(0, 0).number(), 10.0);
    a.setValue(0, 1, 0.2);
    EXPECT_DOUBLE_EQ(b.value(0, 0).number(), 20.0);
    a.setValue(0, 0, 50.0);
    EXPECT_DOUBLE_EQ(b.value(0, 0).number(), 10.0);
    wb.defineName("Taxa", "Dados!$A$1");
    EXPECT_DOUBLE_EQ(b.value(0, 0).number(), 2500.0);
}

TEST(CalculationTest, OrderOfEntryDoesNotMatter)
{
    Workbook wb;
    Sheet& s = wb.addSheet();
    wb.setAutomaticCalculation(false);
    // Each row reads the row below, so a top-to-bottom pass meets every
    // precedent uncalculated.
    constexpr int kRows = 2000;
    for (int r = 0; r < kRows - 1; ++r) {
        s.setText(r, 0, QStringLiteral("=A%1+1").arg(r + 2));
    }
    s.setValue(kRows - 1, 0, 0.0);
    s.setText(0, 1, QStringLiteral("=SUM(A1:A%1)").arg(kRows));
    wb.calculate();
    EXPECT_EQ(s.value(0, 0).number(), kRows - 1.0);
    EXPECT_EQ(s.value(0, 1).number(), (kRows - 1.0) * kRows / 2.0);
    EXPECT_TRUE(wb.calculationFailures().empty());
}

TEST(CalculationTest, LongChainsDoNotExhaustTheStack)
{
    Workbook wb;
    Sheet& s = wb.addSheet();
    wb.beginUpdate();
    constexpr int kRows = 200000;
    s.setValue(kRows - 1, 0, 1.0);
    for (int r = kRows - 2; r >= 0; --r) {
        s.setText(r, 0, QStringLiteral("=A%1+1").arg(r + 2));
    }
    wb.endUpdate();
    EXPECT_EQ(s.value(0, 0).number(), static_cast<double>(kRows));
    s.setValue(kRows - 1, 0, 2.0);
    EXPECT_EQ(s.value(0, 0).number(), kRows + 1.0);
}

TEST(CalculationTest, CircularReferencesGiveAnErrorAndAreReported)
{
    Workbook wb;
    Sheet& s = wb.addSheet("Plan1");
    s.setText(0, 0, "=B1+1");
    s.setText(0, 1, "=C1+1");
    s.setText(0, 2, "=A1+1");
    s.setText(1, 0, "=A2");  // itself
    s.setText(2, 0, "=SUM(A1:A5)");  // inside its own range
    s.setText(3, 3, "=5");
    wb.calculate();
    for (int c = 0; c < 3; ++c) {
        EXPECT_TRUE(s.value(0, c).isError()) << c;
    }
    EXPECT_TRUE(s.value(1, 0).isError());
    EXPECT_TRUE(s.value(2, 0).isError());
    EXPECT_EQ(s.value(3, 3).number(), 5.0);
    ASSERT_FALSE(wb.calculationFailures().empty());
    EXPECT_EQ(wb.calculationFailures().front().sheetName, QStringLiteral("Plan1"));

    s.setValue(0, 2, 1.0);  // break the loop
    EXPECT_EQ(s.value(0, 0).number(), 3.0);
}

TEST(CalculationTest, BatchedEditsRecalculateOnceAtTheEnd)
{
    Workbook wb;
    Sheet& s = wb.addSheet();
    s.setValue(0, 0, 1.0);
    s.setText(0, 1, "=A1*10");
    wb.beginUpdate();
    wb.beginUpdate();
    const auto before = evaluations(wb);
    for (int i = 2; i <= 50; ++i) {
        s.setValue(0, 0, static_cast<double>(i));
    }
    wb.endUpdate();
    EXPECT_EQ(evaluations(wb), before);  // still inside the outer batch
    EXPECT_EQ(s.value(0, 1).number(), 10.0);
    wb.endUpdate();
    EXPECT_EQ(s.value(0, 1).number(), 500.0);
    EXPECT_EQ(evaluations(wb) - before, 1u);
}

TEST(CalculationTest, ManualCalculationWaitsForCalculate)
{
    Workbook wb;
    Sheet& s = wb.addSheet();
    wb.setAutomaticCalculation(false);
    s.setValue(0, 0, 2.0);
    s.setText(0, 1, "=A1*2");
    EXPECT_EQ(s.value(0, 1).number(), 4.0);  // a new formula gets its value
    s.setValue(0, 0, 3.0);
    EXPECT_EQ(s.value(0, 1).number(), 4.0);  // its dependents wait
    wb.calculate();
    EXPECT_EQ(s.value(0, 1).number(), 6.0);
}

TEST(CalculationTest, VolatileFunctionsRecalculateOnEveryEdit)
{
    Workbook wb;
    Sheet& s = wb.addSheet();
    s.setText(0, 0, "=NOW()");
    s.setValue(5, 5, 1.0);
    wb.calculate();
    const auto before = evaluations(wb);
    s.setValue(5, 5, 2.0);
    EXPECT_EQ(evaluations(wb) - before, 1u);
}

TEST(CalculationTest, ReplacingAndClearingFormulasUpdatesDependents)
{
    Workbook wb;
    Sheet& s = wb.addSheet();
    s.setText(0, 0, "=2+3");
    s.setText(0, 1, "=A1*2");
    EXPECT_EQ(s.value(0, 1).number(), 10.0);
    s.setText(0, 0, "=7");
    EXPECT_EQ(s.value(0, 1).number(), 14.0);
    s.clearCell(0, 0);
    EXPECT_EQ(s.value(0, 1).number(), 0.0);
    s.setText(0, 0, "4");
    EXPECT_EQ(s.value(0, 1).number(), 8.0);

    // A spilling formula takes its spilled cells with it.
    s.setText(0, 3, "=SEQUENCE(3)");  // D1:D3
    s.setText(0, 4, "=SUM(D1:D3)");
    EXPECT_EQ(s.value(2, 3).number(), 3.0);
    EXPECT_EQ(s.value(0, 4).number(), 6.0);
    s.setText(0, 3, "=SEQUENCE(2)");
    EXPECT_TRUE(s.value(2, 3).isEmpty());
    EXPECT_EQ(s.value(0, 4).number(), 3.0);
    s.clearCell(0, 3);
    EXPECT_TRUE(s.value(1, 3).isEmpty());
    EXPECT_EQ(s.value(0, 4).number(), 0.0);
}

namespace {

// Counts its own calls: shows whether a calculation evaluated the cell.
int gChamadas = 0;

void contarChamada(spreadsheet::FormulaResult& result, const spreadsheet::ArgumentTokens&)
{
    result.AddValue(double(++gChamadas));
}

void semParametros(int& count, std::vector<spreadsheet::ParamKind>&)
{
    count = 0;
}

}  // namespace

TEST(CalculateIfChanged, SkipsOnlyWhenNothingFormulasSeeHasChanged)
{
    using namespace spreadsheet;
    FunctionRepository::instance().Add(QStringLiteral("CONTACHAMADAS"), contarChamada, semParametros,
                                       ResultKind::Value, 9101, FunctionCategory::UserDefined);
    Workbook wb;
    Sheet& s = wb.addSheet(QStringLiteral("Plan1"));
    s.setText(0, 0, QStringLiteral("=CONTACHAMADAS()"));
    wb.calculate();
    const int depois = gChamadas;
    wb.calculateIfChanged();
    EXPECT_EQ(gChamadas, depois);
    s.setText(5, 5, QStringLiteral("x"));
    wb.calculateIfChanged();
    EXPECT_EQ(gChamadas, depois + 1);
    s.setPageBreak(3, true);
    wb.calculateIfChanged();
    EXPECT_EQ(gChamadas, depois + 2);
    wb.setTag(nullptr);
    wb.calculateIfChanged();
    EXPECT_EQ(gChamadas, depois + 3);
    s.InsertRows(0, 1);
    wb.calculateIfChanged();
    EXPECT_EQ(gChamadas, depois + 4);
    wb.calculateIfChanged();
    EXPECT_EQ(gChamadas, depois + 4);
}
