// Find and replace over a sheet or the whole workbook.
#include <spreadsheet/CellSearch.h>
#include <spreadsheet/History.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

using namespace spreadsheet;

namespace {

class CellSearchTest : public ::testing::Test {
protected:
    CellSearchTest()
    {
        Sheet& um = workbook.addSheet(QStringLiteral("Um"));
        Sheet& dois = workbook.addSheet(QStringLiteral("Dois"));
        um.setText(0, 0, QStringLiteral("Salário"), TextMode::Plain);
        um.setText(2, 1, QStringLiteral("salário base"), TextMode::Plain);
        um.setText(1, 3, QStringLiteral("=SUM(A5:A6)"));
        um.setValue(4, 0, 2.0);
        dois.setText(0, 2, QStringLiteral("SALÁRIO"), TextMode::Plain);
        workbook.history().clear();
    }
    std::optional<CellPosition> find(SearchOptions options, CellPosition from, bool forward = true)
    {
        return CellSearch::find(workbook, options, from, forward);
    }

    Workbook workbook;
};

TEST_F(CellSearchTest, FindGoesRowByRowAndWrapsWithinItsScope)
{
    const SearchOptions salario{QStringLiteral("salário")};
    EXPECT_EQ(find(salario, {0, 0, 0}), (CellPosition{0, 2, 1}));
    EXPECT_EQ(find(salario, {0, 2, 1}), (CellPosition{0, 0, 0}));  // wraps on its sheet
    EXPECT_EQ(find(salario, {0, 0, 0}, false), (CellPosition{0, 2, 1}));
    SearchOptions workbookWide = salario;
    workbookWide.wholeWorkbook = true;
    EXPECT_EQ(find(workbookWide, {0, 2, 1}), (CellPosition{1, 0, 2}));
    EXPECT_EQ(find(workbookWide, {1, 0, 2}), (CellPosition{0, 0, 0}));

    const std::vector<std::pair<SearchOptions, std::optional<CellPosition>>> cases{
        {{QStringLiteral("salário"), false, true}, CellPosition{0, 2, 1}},           // match case
        {{QStringLiteral("salário"), false, false, true}, CellPosition{0, 0, 0}},    // whole cell
        {{QStringLiteral("SOMA("), true}, CellPosition{0, 1, 3}},                    // formulas, as typed
        {{QStringLiteral("SOMA(")}, std::nullopt},                                   // values: shows 2
        {{QStringLiteral("nada")}, std::nullopt},
    };
    for (const auto& [options, expected] : cases) {
        EXPECT_EQ(find(options, {0, 0, 0}), expected) << options.text.toStdString();
    }
}

TEST_F(CellSearchTest, ReplaceAllIsOneActionAndCountsTheCellsItChanged)
{
    SearchOptions options{QStringLiteral("salário"), true};
    options.wholeWorkbook = true;
    EXPECT_EQ(CellSearch::replaceAll(workbook, options, 0, QStringLiteral("Vencimento")), 3);
    EXPECT_EQ(workbook.sheet(0).text(2, 1), QStringLiteral("Vencimento base"));
    EXPECT_EQ(workbook.sheet(1).text(0, 2), QStringLiteral("Vencimento"));
    const SearchOptions range{QStringLiteral("A5:A6"), true};
    EXPECT_EQ(CellSearch::replaceAll(workbook, range, 0, QStringLiteral("A5")), 1);
    EXPECT_EQ(workbook.sheet(0).value(1, 3).number(), 2.0);  // the formula read again
    EXPECT_EQ(workbook.history().GetUndoActionCount(), 2);
    workbook.history().Undo(2);
    EXPECT_EQ(workbook.sheet(0).text(0, 0), QStringLiteral("Salário"));
    EXPECT_EQ(workbook.sheet(0).text(1, 3), QStringLiteral("=SUM(A5:A6)"));
}

}  // namespace
