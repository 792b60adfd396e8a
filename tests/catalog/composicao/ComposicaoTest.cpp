// Formula composition of the parameter dialog, the payroll adjustment, and
// the reference texts of a selection.

#include "catalog/ComposicaoFormula.h"
#include "catalog/TnUtilPlanilha.h"

#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

using namespace catalog;
using spreadsheet::CellRange;

namespace {

std::vector<ValorParametro> editores(std::initializer_list<std::pair<const char*, const char*>> values)
{
    std::vector<ValorParametro> result;
    for (const auto& [nome, valor] : values)
        result.push_back({QString::fromLatin1(nome), QString::fromUtf8(valor)});
    return result;
}

QString ajustada(const char* funcao, std::vector<ValorParametro> values, const QString& campo = {})
{
    AjustarParamFpa(values);
    return GerarFormula(QString::fromLatin1(funcao), campo, values);
}

}  // namespace

TEST(GerarFormula, JoinsTheLeadingArgumentAndTheFilledEditors)
{
    EXPECT_EQ(GerarFormula(QStringLiteral("fpaFunc"), QStringLiteral("4"), editores({{"nCodigoFunc", "15"}})),
              QStringLiteral("=fpaFunc(4;15)"));
    EXPECT_EQ(GerarFormula(QStringLiteral("fpaFunc"), QStringLiteral("4"), editores({{"nCodigoFunc", "  \t "}})),
              QStringLiteral("=fpaFunc(4)"));
    EXPECT_EQ(GerarFormula(QStringLiteral("ctbSAN"), {},
                           editores({{"nConta", "5"}, {"nMesRef", ""}, {"nFilial", "1..5"}, {"nAno", ""}})),
              QStringLiteral("=ctbSAN(5;1..5)"));
    EXPECT_EQ(GerarFormula(QStringLiteral("fpaFuncTotais"), QStringLiteral("3"), {}),
              QStringLiteral("=fpaFuncTotais(3)"));
    EXPECT_EQ(GerarFormula(QStringLiteral("ctbPAG"), {}, {}), QStringLiteral("=ctbPAG()"));
    // Values are copied verbatim: quotes and references are the user's.
    EXPECT_EQ(GerarFormula(QStringLiteral("x"), {}, editores({{"a", "\x01 \"a b\"\n"}, {"b", "B5"}})),
              QStringLiteral("=x(\"a b\";B5)"));
}

TEST(AjustarParamFpa, FillsGapsAndQuotesOrganogramClasses)
{
    const char* kEvento = "nCodigoEvento";
    EXPECT_EQ(ajustada("fpaEvValor", editores({{kEvento, "100"}, {"nCodigoEstab", ""}, {"nOrganograma", "1.01"},
                                               {"nCodigoFunc", "7"}})),
              QStringLiteral("=fpaEvValor(100;-1;\"1.01\";7)"));
    EXPECT_EQ(ajustada("fpaEvValor", editores({{kEvento, "100"}, {"nCodigoEstab", ""}, {"nOrganograma", ""},
                                               {"nCodigoFunc", ""}})),
              QStringLiteral("=fpaEvValor(100)"));
    EXPECT_EQ(ajustada("fpaEvValor", editores({{kEvento, "100"}, {"nCodigoEstab", " "}, {"nOrganograma", ""},
                                               {"nCodigoFunc", "7"}})),
              QStringLiteral("=fpaEvValor(100;-1;\"\";7)"));
    EXPECT_EQ(ajustada("fpaOrganDescr", editores({{"nCodigoEstab", "1"}, {"nOrganograma", "B5"}})),
              QStringLiteral("=fpaOrganDescr(1;B5)"));
    // A trailing organogram class is still a literal; nothing after it is filled.
    EXPECT_EQ(ajustada("fpaProvFer", editores({{"nCodigoEstab", ""}, {"nOrganograma", "01.02"}, {"nCodigoFunc", ""}}),
                       QStringLiteral("25")),
              QStringLiteral("=fpaProvFer(25;-1;\"01.02\")"));
    // Only the first editor filled: no gaps to mark.
    EXPECT_EQ(ajustada("fpaImpCalc", editores({{"nCodigoEstab", "3"}, {"nCodigoOutEmp", ""},
                                               {"nCodigoCentroCusto", ""}, {"nOrganograma", ""},
                                               {"nCodigoFunc", ""}}),
                       QStringLiteral("23")),
              QStringLiteral("=fpaImpCalc(23;3)"));
}

TEST(TnUtilPlanilha, ColumnLettersAreBijectiveBase26)
{
    const std::pair<int, const char*> cases[] = {{0, "A"},   {25, "Z"},  {26, "AA"},   {27, "AB"},
                                                 {51, "AZ"}, {52, "BA"}, {701, "ZZ"}, {702, "AAA"},
                                                 {16383, "XFD"}};
    for (const auto& [index, letters] : cases)
        EXPECT_EQ(TnUtilPlanilha::ColumnNameByIndex(index, false), QString::fromLatin1(letters)) << index;
    EXPECT_EQ(TnUtilPlanilha::ColumnNameByIndex(0, true), QStringLiteral("1"));
    EXPECT_EQ(TnUtilPlanilha::ColumnNameByIndex(701, true), QStringLiteral("702"));
}

TEST(TnUtilPlanilha, AreasAreNamedByCellsOrByTheirDefinedName)
{
    spreadsheet::Workbook wb;
    spreadsheet::Sheet& plan = wb.addSheet(QStringLiteral("Plan1"));
    spreadsheet::Sheet& other = wb.addSheet(QStringLiteral("Plan2"));
    EXPECT_EQ(TnUtilPlanilha::CellsNameByRef(plan, CellRange{1, 4, 1, 4}, true), QStringLiteral("B5"));
    EXPECT_EQ(TnUtilPlanilha::CellsNameByRef(plan, CellRange{0, 0, 2, 9}, true), QStringLiteral("A1 x C10"));
    EXPECT_EQ(TnUtilPlanilha::CellsNameByRef(plan, CellRange{0, 0, 2, 9}, false), QStringLiteral("A1:C10"));

    wb.defineName(QStringLiteral("Total"), QStringLiteral("Plan1!$A$1:$C$10"));
    wb.defineName(QStringLiteral("Parcial"), QStringLiteral("Plan1!$A$1:$C$9"));
    EXPECT_EQ(TnUtilPlanilha::CellsNameByRef(plan, CellRange{0, 0, 2, 9}, true), QStringLiteral("Total"));
    EXPECT_EQ(TnUtilPlanilha::CellsNameByRef(plan, CellRange{0, 0, 2, 9}, false), QStringLiteral("A1:C10"));
    EXPECT_EQ(TnUtilPlanilha::CellsNameByRef(other, CellRange{0, 0, 2, 9}, true), QStringLiteral("A1 x C10"));
    // The last of several references decides.
    wb.defineName(QStringLiteral("Dupla"), QStringLiteral("Plan1!$A$1;Plan2!$B$2"));
    EXPECT_EQ(TnUtilPlanilha::CellsNameByRef(other, CellRange{1, 1, 1, 1}, true), QStringLiteral("Dupla"));
    EXPECT_EQ(TnUtilPlanilha::CellsNameByRef(plan, CellRange{0, 0, 0, 0}, true), QStringLiteral("A1"));
}
