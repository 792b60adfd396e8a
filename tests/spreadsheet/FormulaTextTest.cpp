// Parsing formulas and writing them back.
#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

using namespace spreadsheet;

namespace {

class FormulaTextTest : public ::testing::Test {
protected:
    FormulaTextTest() : sheet(wb.addSheet("Plan1")) { wb.addSheet("Folha de Março"); }

    QString roundTrip(const QString& text)
    {
        sheet.setText(0, 0, text);
        return sheet.text(0, 0);
    }
    Value eval(const QString& text)
    {
        sheet.setText(0, 0, text);
        return sheet.value(0, 0);
    }

    Workbook wb;
    Sheet& sheet;
};

}  // namespace

TEST_F(FormulaTextTest, WritesCanonicalText)
{
    const std::pair<const char*, const char*> cases[] = {
        {"=1+2*3", "=1+2*3"},
        {"= 1 + 2 ", "=1+2"},
        {"=(1+2)*3", "=(1+2)*3"},
        {"=sum(a1:b2,3)", "=SUM(A1:B2;3)"},
        {"=SOMA(A1;$B$2)", "=SUM(A1;$B$2)"},
        {"=SE(A1>0;\"sim\";\"não\")", "=IF(A1>0;\"sim\";\"não\")"},
        {"=\"diz \"\"oi\"\"\"", "=\"diz \"\"oi\"\"\""},
        {"=-A1%", "=-A1%"},
        {"=A1<>B1", "=A1<>B1"},
        {"=a1>=b$1", "=A1>=B$1"},
        {"=B2:A1", "=A1:B2"},
        {"=$B2:A$1", "=A$1:$B2"},
        {"='Folha de Março'!A1+'folha de março'!B2", "='Folha de Março'!A1+'Folha de Março'!B2"},
        {"=Plan1!A1", "=Plan1!A1"},
        {"=SUM(A:A)+SUM(2:3)", "=SUM(A:A)+SUM(2:3)"},
        {"=IF(A1;;2)", "=IF(A1;;2)"},
        {"=TRUE", "=TRUE"},
        {"=verdadeiro", "=TRUE"},
        {"=#n/a", "=#N/A"},
        {"=1E+300*10", "=1E+300*10"},
        {"=0.1+.5", "=0.1+0.5"},
        {"=TaxaInss*2", "=TaxaInss*2"},
        {"=fpaDesconhecida(1;\"x\")", "=fpaDesconhecida(1;\"x\")"},
    };
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(roundTrip(QString::fromUtf8(input)), QString::fromUtf8(expected)) << input;
    }
}

TEST_F(FormulaTextTest, TextThatDoesNotParseIsKeptAndShowsAnError)
{
    const char* broken[] = {"=1+", "=SUM(1;2", "=\"aberto", "=1 2", "=)", "=A1:", "='Plan1", "=SUM(1;;",
                            "=#ERRO", "=1..2", "=@A1", "=SUM()"};
    for (const char* text : broken) {
        sheet.setText(0, 0, QString::fromLatin1(text));
        EXPECT_TRUE(sheet.isFormula(0, 0)) << text;
        EXPECT_EQ(sheet.text(0, 0), QString::fromLatin1(text)) << text;
        EXPECT_TRUE(sheet.value(0, 0).isError()) << text;
        EXPECT_FALSE(sheet.formulaError(0, 0).isEmpty()) << text;
    }
}

TEST_F(FormulaTextTest, HugeReferencesAndUnknownNamesGiveErrorValues)
{
    EXPECT_EQ(eval("=A1048577").error(), ErrorCode::Name);  // past the last row: a name, not a cell
    EXPECT_EQ(eval("=XFE1").error(), ErrorCode::Name);
    EXPECT_EQ(eval("=Nada!A1").error(), ErrorCode::Ref);
    EXPECT_EQ(sheet.text(0, 0), QStringLiteral("=Nada!A1"));
    EXPECT_EQ(eval("='Não''existe'!$A$1:B2+1").error(), ErrorCode::Ref);
    EXPECT_EQ(sheet.text(0, 0), QStringLiteral("='Não''existe'!$A$1:B2+1"));
    EXPECT_EQ(eval("=FOOBAR(1)").error(), ErrorCode::Name);
    EXPECT_FALSE(eval("=XFD1048576").isError());
}

TEST_F(FormulaTextTest, NestingIsLimited)
{
    QString deep = "=";
    for (int i = 0; i < 100; ++i) {
        deep += "(";
    }
    deep += "1";
    for (int i = 0; i < 100; ++i) {
        deep += ")";
    }
    EXPECT_TRUE(eval(deep).isError());
    EXPECT_TRUE(sheet.formulaError(0, 0).contains(QStringLiteral("aninhamento")));

    QString ok = "=" + QString("(").repeated(60) + "2" + QString(")").repeated(60);
    EXPECT_EQ(eval(ok).number(), 2.0);

    // Long runs of signs are read without recursion.
    EXPECT_EQ(eval("=" + QString("-").repeated(5000) + "1").number(), 1.0);
    EXPECT_TRUE(eval("=" + QString("1+").repeated(5000) + "1").isError());  // longer than allowed
}

TEST_F(FormulaTextTest, PlainTextModeKeepsTheLeadingEqualsSign)
{
    sheet.setText(1, 1, "=1+1", TextMode::Plain);
    EXPECT_FALSE(sheet.isFormula(1, 1));
    EXPECT_EQ(sheet.value(1, 1).text(), QStringLiteral("=1+1"));
    sheet.setText(1, 1, "=1+1", TextMode::Recognize);
    EXPECT_EQ(sheet.value(1, 1).number(), 2.0);
}

TEST_F(FormulaTextTest, ReferencesFollowRenamedAndDeletedSheets)
{
    sheet.setText(0, 1, "='Folha de Março'!A1*2");
    wb.sheet(1).setValue(0, 0, 21.0);
    EXPECT_EQ(sheet.value(0, 1).number(), 42.0);
    wb.renameSheet(1, "Abril");
    EXPECT_EQ(sheet.text(0, 1), QStringLiteral("=Abril!A1*2"));
    wb.deleteSheet(1);
    EXPECT_EQ(sheet.text(0, 1), QStringLiteral("=#REF!*2"));
    EXPECT_EQ(sheet.value(0, 1).error(), ErrorCode::Ref);
}
