// Formulas as the user types and reads them, against the canonical text.
#include "TestPrinters.h"
#include "functions/BuiltinFunctions.h"

#include <spreadsheet/FormulaConvention.h>
#include <spreadsheet/FunctionRepository.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace spreadsheet;

namespace {

constexpr FormulaConvention kBrazilian = FormulaConvention::Brazilian;
constexpr FormulaConvention kEnglish = FormulaConvention::English;

struct Translation {
    FormulaConvention convention;
    const char* from;
    const char* to;
};

QString utf8(const char* text)
{
    return QString::fromUtf8(text);
}

}  // namespace

TEST(FormulaConventionTest, ReadsConventionNames)
{
    EXPECT_EQ(formulaConventionFromName(u"pt-BR"), kBrazilian);
    EXPECT_EQ(formulaConventionFromName(u"PT-br"), kBrazilian);
    EXPECT_EQ(formulaConventionFromName(u"En"), kEnglish);
    EXPECT_EQ(formulaConventionFromName(formulaConventionName(kBrazilian)), kBrazilian);
    EXPECT_THROW(formulaConventionFromName(u"pt"), SpreadsheetError);
    EXPECT_THROW(formulaConventionFromName(u""), SpreadsheetError);
}

TEST(FormulaConventionTest, TypedTextBecomesCanonical)
{
    const Translation cases[] = {
        {kBrazilian, "=1,5+1", "=1.5+1"},
        {kBrazilian, "=REPT(\"ab\";2,5)", "=REPT(\"ab\";2.5)"},
        {kBrazilian, "=SOMA(A1;B1)", "=SUM(A1;B1)"},
        {kBrazilian, "=\"1,5\"&A1", "=\"1,5\"&A1"},
        {kBrazilian, "=SUM(A1; 0,5)", "=SUM(A1; 0.5)"},
        {kBrazilian, "=se(a1>0;verdadeiro;Falso)", "=IF(a1>0;TRUE;FALSE)"},
        {kBrazilian, "=PROCV (A1;B1:C3;2;FALSO())", "=VLOOKUP (A1;B1:C3;2;FALSE())"},
        {kBrazilian, "=Falso!A1+'Folha, 1'!A1*,5", "=Falso!A1+'Folha, 1'!A1*.5"},
        {kBrazilian, "=1,5E+3-2,5e-2+1E5", "=1.5E+3-2.5e-2+1E5"},
        {kBrazilian, "=SOMA(1:3)+CONT.NÚM(A:A)+R1C1", "=SUM(1:3)+COUNT(A:A)+R1C1"},
        {kBrazilian, "=SEERRO(1/0;#DIV/0!)&#N/A", "=IFERROR(1/0;#DIV/0!)&#N/A"},
        {kBrazilian, "=fmtnum(1,25;\"0,0\")", "=fmtnum(1.25;\"0,0\")"},
        {kBrazilian, "1,5", "1,5"},
        {kEnglish, "=SUM(1,2.5)", "=SUM(1;2.5)"},
        {kEnglish, "=IF(A1, \"a,b\", 'Folha, 1'!B2)", "=IF(A1; \"a,b\"; 'Folha, 1'!B2)"},
        {kEnglish, "=SUM(1;2)+MÉDIA(3,4)", "=SUM(1;2)+AVERAGE(3;4)"},
        {kEnglish, "=1E+20*.5", "=1E+20*.5"},
        {kBrazilian, "=SOMA({1,5\\2;3\\4};\\nome)", "=SUM({1.5,2;3,4};\\nome)"},
        {kEnglish, "=SUM({1,2;3,4},1)", "=SUM({1,2;3,4};1)"},
    };
    for (const auto& [convention, typed, canonical] : cases) {
        EXPECT_EQ(formulaFromUser(utf8(typed), convention), utf8(canonical)) << typed;
    }
}

TEST(FormulaConventionTest, RefusesWhatTheBrazilianConventionCannotRead)
{
    const QString separator = QStringLiteral("os argumentos são separados por ';' e ',' é o separador decimal");
    const QString decimal = QStringLiteral("use ',' como separador decimal");
    const struct {
        const char* typed;
        const QString& reason;
        const char* where;
    } cases[] = {
        {"=SE(A1>0,1,2)", separator, "posição 11"},
        {"=SOMA(A1,B1)", separator, "posição 9"},
        {"=SOMA(1, 2)", separator, "posição 8"},
        {"=SOMA(A1 ,5)", separator, "posição 10"},
        {"=SOMA(1,)", separator, "posição 8"},
        {"=SOMA((A1),2)", separator, "posição 11"},
        {"=SOMA(1:3,5)", separator, "posição 10"},
        {"=1.5+1", decimal, "\"1.5\""},
        {"=1.000,50", decimal, "\"1.000\""},
        {"=2*.5", decimal, "\".5\""},
        {"=1,5.3", decimal, "\"1,5.3\""},
        {"=1.+2", decimal, "\"1.\""},
    };
    for (const auto& [typed, reason, where] : cases) {
        try {
            formulaFromUser(utf8(typed), kBrazilian);
            ADD_FAILURE() << "accepted " << typed;
        } catch (const SpreadsheetError& e) {
            EXPECT_TRUE(e.message().contains(reason)) << e.what();
            EXPECT_TRUE(e.message().contains(utf8(where))) << e.what();
        }
    }
    EXPECT_EQ(formulaFromUser(QStringLiteral("=SE(A1>0,1,2)"), kEnglish), QStringLiteral("=IF(A1>0;1;2)"));
}

TEST(FormulaConventionTest, CanonicalTextForTheUser)
{
    const Translation cases[] = {
        {kBrazilian, "=SUM(A1:B2;0.5)", "=SOMA(A1:B2;0,5)"},
        {kBrazilian, "=IF(TRUE;FALSE();1E+20)", "=SE(VERDADEIRO;FALSO();1E+20)"},
        {kBrazilian, "=INT(2.5)+ABS(-1)", "=INT(2,5)+ABS(-1)"},
        {kBrazilian, "=REPT(\"a.b\";2.5)&FMTNUM(1.5)", "=REPT(\"a.b\";2,5)&FMTNUM(1,5)"},
        {kBrazilian, "=TRUE!A1+TRUE", "=TRUE!A1+VERDADEIRO"},
        {kBrazilian, "=COUNT(Folha.1!A1;'Folha 2.5'!B1)", "=CONT.NÚM(Folha.1!A1;'Folha 2.5'!B1)"},
        {kBrazilian, "=E1+AND(1:3)+#N/A", "=E1+E(1:3)+#N/A"},
        {kEnglish, "=IF(A1;\"a;b\";'x;y'!A1)", "=IF(A1,\"a;b\",'x;y'!A1)"},
        {kEnglish, "=SUM(1.5; 2)", "=SUM(1.5, 2)"},
        {kBrazilian, "=SUM({1.5,2;3,4})", "=SOMA({1,5\\2;3\\4})"},
        {kEnglish, "=SUM({1,2;3,4};1)", "=SUM({1,2;3,4},1)"},
    };
    for (const auto& [convention, canonical, shown] : cases) {
        EXPECT_EQ(formulaForUser(utf8(canonical), convention), utf8(shown)) << canonical;
    }
}

// Each row's first Portuguese name must read back as that row and no other.
TEST(FormulaConventionTest, EveryBuiltinSurvivesTheRoundTrip)
{
    for (const BuiltinFunction& function : builtinFunctions()) {
        const QString name = QString::fromLatin1(function.name);
        const QString shownName = function.aliases ? QString::fromUtf8(function.aliases).section(u'|', 0, 0) : name;
        const QString shown = formulaForUser(u'=' + name + QStringLiteral("()"), kBrazilian);
        EXPECT_EQ(shown, u'=' + shownName + QStringLiteral("()"));
        EXPECT_EQ(formulaFromUser(shown, kBrazilian), u'=' + name + QStringLiteral("()"));
    }
}

namespace {

class FormulaConventionEngineTest : public ::testing::Test {
protected:
    FormulaConventionEngineTest() : sheet(wb.addSheet("Plan1"))
    {
        wb.addSheet("Folha, 1");
        wb.addSheet("Folha.1");
    }

    Workbook wb;
    Sheet& sheet;
};

}  // namespace

TEST_F(FormulaConventionEngineTest, TypedFormulaReachesTheEngine)
{
    sheet.setText(0, 0, formulaFromUser(QStringLiteral("=1,5+1"), kBrazilian));
    EXPECT_EQ(sheet.value(0, 0).number(), 2.5);  // exact in binary
    EXPECT_EQ(formulaForUser(sheet.text(0, 0), kBrazilian), QStringLiteral("=1,5+1"));
    sheet.setText(0, 1, formulaFromUser(QStringLiteral("=SOMA(A1:A3)"), kBrazilian));
    EXPECT_EQ(sheet.text(0, 1), QStringLiteral("=SUM(A1:A3)"));
}

// The formulas go through the engine first, so that each one is what the
// writer really produces.
TEST_F(FormulaConventionEngineTest, WriterOutputSurvivesTheRoundTrip)
{
    const char* formulas[] = {
        "=SUM(A1:B2;0.5)",
        "=IF(A1>0;\"a, b; c. d\";FALSE)",
        "='Folha, 1'!A1+'Folha, 1'!B2:C3+Folha.1!A1",
        "=1E+20+0.5-1.5E-7",
        "=IF(ISERROR(VLOOKUP(A1;B1:C9;2;FALSE));ROUND(AVERAGE(1;2.5);1);TRUE)",
        "=#DIV/0!&#N/A",
        "=SUM(1:3)+COUNT(A:A)",
        "=REPT(\"ab\";2.5)&FMTNUM(1234.5;\"#.##0,00\")",
        "=IF(A1;;2)",
        "=-A1%^2",
        "=TRUE()+NOT(FALSE)+INT(0.25)",
    };
    for (const char* text : formulas) {
        sheet.setText(5, 5, utf8(text));
        const QString canonical = sheet.text(5, 5);
        ASSERT_TRUE(sheet.formulaError(5, 5).isEmpty()) << text;
        for (FormulaConvention convention : {kBrazilian, kEnglish}) {
            EXPECT_EQ(formulaFromUser(formulaForUser(canonical, convention), convention), canonical) << text;
        }
    }
}

namespace {

void returnsNothing(FormulaResult&, const ArgumentTokens&) {}

void takesNothing(int& count, std::vector<ParamKind>& kinds)
{
    count = 0;
    kinds.clear();
}

bool keepsCustomNames()
{
    auto& repository = FunctionRepository::instance();
    for (const char* name : {"PRODUCT", "SOMA"}) {
        repository.Add(QString::fromLatin1(name), returnsNothing, takesNothing, ResultKind::Value, 9950,
                       FunctionCategory::UserDefined);
    }
    const QString shown = formulaForUser(QStringLiteral("=PRODUCT(2)+SUM(1)+MAX(1)"), kBrazilian);
    const QString read = formulaFromUser(utf8("=SOMA(1)+MULT(2)+MÁXIMO(1)"), kBrazilian);
    return shown == utf8("=PRODUCT(2)+SUM(1)+MÁXIMO(1)") && read == QStringLiteral("=SOMA(1)+MULT(2)+MAX(1)");
}

}  // namespace

// A custom function hides the built-in of the same name for the whole process,
// so the registration happens in a child process.
TEST(FormulaConventionDeathTest, CustomFunctionsKeepTheirNames)
{
    EXPECT_EXIT(std::exit(keepsCustomNames() ? 0 : 1), ::testing::ExitedWithCode(0), "");
}
