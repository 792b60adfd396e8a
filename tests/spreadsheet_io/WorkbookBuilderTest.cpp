// Feeding a workbook through the import interface, and its JSON dump.
#include <spreadsheet/io/FileFormatError.h>
#include <spreadsheet/io/JsonDump.h>
#include <spreadsheet/io/WorkbookBuilder.h>
#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

#include <functional>

using namespace spreadsheet;
using namespace spreadsheet::io;

TEST(WorkbookBuilderTest, FormulasMayNameSheetsThatComeLater)
{
    WorkbookBuilder builder;
    const int first = builder.addSheet("Resumo");
    builder.setFormula(first, 0, 0, "=Dados!A1*2", Value(84.0));
    builder.setFormula(first, 1, 0, "SUM(Dados!A1:A2)", Value(43.0));
    const int data = builder.addSheet("Dados");
    builder.setValue(data, 0, 0, 42.0);
    builder.setValue(data, 1, 0, 1.0);
    builder.addMerge(data, {2, 2, 3, 3});
    builder.addMerge(data, {3, 3, 4, 4});  // overlaps the first: left out, with a warning
    builder.defineName("Total", "Resumo!$A$2");
    builder.defineName("1nome inválido", "Resumo!$A$2");
    builder.addSheet("Resumo");  // a repeated name gets a default one
    builder.setActiveSheet(data);
    auto wb = builder.finish();
    ASSERT_EQ(wb->sheetCount(), 3);
    EXPECT_EQ(wb->sheet(2).name(), QStringLiteral("Sheet3"));
    EXPECT_EQ(wb->activeSheetIndex(), 1);
    EXPECT_EQ(wb->sheet(0).text(1, 0), QStringLiteral("=SUM(Dados!A1:A2)"));
    EXPECT_EQ(wb->sheet(0).value(0, 0).number(), 84.0);  // as cached, not recalculated
    EXPECT_EQ(wb->sheet(1).mergedAreas().size(), 1u);
    EXPECT_EQ(builder.warnings().size(), 3u);
    EXPECT_EQ(wb->history().GetUndoActionCount(), 0);
    EXPECT_TRUE(wb->automaticCalculation());
}

TEST(WorkbookBuilderTest, DumpListsCellsRowByRowWithExactNumbers)
{
    Workbook wb;
    Sheet& s = wb.addSheet("Parâmetros");
    s.setValue(1, 0, 0.1 + 0.2);
    s.setValue(0, 1, Value::boolean(true));
    s.setText(0, 0, "diz \"oi\"", TextMode::Plain);
    s.setText(1, 1, "=1/0");
    wb.defineName("Empresas", "'Parâmetros'!$B$2");
    const QByteArray json = JsonDump::dump(wb);
    EXPECT_EQ(json,
              QByteArray("{\"sheets\":[{\"name\":\"Parâmetros\",\"cells\":["
                         "{\"ref\":\"A1\",\"row\":0,\"col\":0,\"type\":\"text\",\"value\":\"diz \\\"oi\\\"\"},"
                         "{\"ref\":\"B1\",\"row\":0,\"col\":1,\"type\":\"boolean\",\"value\":true},"
                         "{\"ref\":\"A2\",\"row\":1,\"col\":0,\"type\":\"number\",\"value\":0.30000000000000004},"
                         "{\"ref\":\"B2\",\"row\":1,\"col\":1,\"type\":\"error\",\"value\":\"#DIV/0!\",\"formula\":\"=1/0\"}"
                         "]}],\"names\":[{\"name\":\"Empresas\",\"ref\":\"'Parâmetros'!$B$2\"}]}\n"));
}

// A file is refused as its cells pass the memory budget, whatever kind of
// content fills it; below the budget the same content loads.
TEST(WorkbookBuilderTest, ContentPastTheMemoryBudgetIsRefused)
{
    const std::function<void(WorkbookBuilder&, int, int)> kinds[] = {
        [](WorkbookBuilder& b, int s, int row) { b.setValue(s, row, 0, 1.0); },
        [](WorkbookBuilder& b, int s, int row) { b.setValue(s, row, 0, Value(QString(200, u'x'))); },
        [](WorkbookBuilder& b, int s, int row) { b.setFormula(s, row, 0, "=1+1", Value(2.0)); },
        [](WorkbookBuilder& b, int s, int row) { b.setStyle(s, row, 0, CellStyle{}); },
    };
    constexpr std::int64_t kBudget = 1 << 20;
    for (const auto& fill : kinds) {
        WorkbookBuilder small(kBudget);
        const int sheet = small.addSheet("P");
        EXPECT_THROW(
            for (int row = 0; row < 100000; ++row) fill(small, sheet, row), FileFormatError);
        WorkbookBuilder enough(kBudget);
        const int other = enough.addSheet("P");
        for (int row = 0; row < 1000; ++row)
            fill(enough, other, row);
        EXPECT_NO_THROW(enough.finish());
    }
}

// A file with many formulas has them parsed in slices on several threads:
// every cell, at the slices' edges too, gets the formula typing it gives.
TEST(WorkbookBuilderTest, ManyFormulasLoadAsTypedOnes)
{
    constexpr int kRows = 65001;
    const auto textOf = [](int row) {
        switch (row % 5) {
        case 0: return QStringLiteral("Dados!A1+%1").arg(row);
        case 1: return QStringLiteral("=SUM(A1;%1)").arg(row);
        case 2: return QStringLiteral("1+");  // does not parse
        case 3: return QString();              // "=" alone is a text
        default: return QStringLiteral("=Total*%1").arg(row);
        }
    };
    WorkbookBuilder builder;
    const int sheet = builder.addSheet("Resumo");
    for (int row = 0; row < kRows; ++row)
        builder.setFormula(sheet, row, 0, textOf(row), Value());
    builder.setArrayFormula(sheet, CellRange::normalized(0, 1, 1, 1), "=A1:A2", Value(), true);
    builder.addSheet("Dados");
    builder.defineName("Total", "Dados!$A$1");
    const auto loaded = builder.finish();

    Workbook typed;
    typed.setAutomaticCalculation(false);
    Sheet& expected = typed.addSheet("Resumo");
    typed.addSheet("Dados");
    typed.defineName("Total", "Dados!$A$1");
    for (int row = 0; row < kRows; ++row) {
        const QString text = textOf(row);
        expected.setText(row, 0, text.startsWith(u'=') ? text : u'=' + text);
    }
    const Sheet& got = loaded->sheet(0);
    int differing = 0;
    for (int row = 0; row < kRows; ++row)
        differing += got.text(row, 0) != expected.text(row, 0) || got.formulaError(row, 0) != expected.formulaError(row, 0);
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(got.text(kRows - 1, 0), QStringLiteral("=Dados!A1+65000"));
    EXPECT_EQ(got.text(3, 0), QStringLiteral("="));
    EXPECT_FALSE(got.formulaError(2, 0).isEmpty());
    EXPECT_TRUE(got.formulaError(1, 0).isEmpty());
    EXPECT_TRUE(got.text(0, 1).contains(QStringLiteral("A1:A2")));
}
