// The registered functions: what a template shows outside a run, and that
// every payroll function reaches the data module during one.

#include "catalog/FpaFuncoes.h"
#include "catalog/RegistroFuncoes.h"

#include "host/TnDMPlanilha.h"

#include <spreadsheet/FormulaResult.h>
#include <spreadsheet/FunctionRepository.h>
#include <spreadsheet/Sheet.h>

#include <gtest/gtest.h>

#include <QLocale>

using namespace catalog;
using spreadsheet::ArgumentTokens;
using spreadsheet::FormulaResult;
using spreadsheet::Sheet;
using spreadsheet::Workbook;

namespace {

// A data module that answers each operation with its own name and the
// number of arguments it was given.
class ModuloFolha : public host::TnDMPlanilha, public FpaFuncoes {
public:
    QString ClassName() const override { return QStringLiteral("ModuloFolha"); }
#define RESPONDE(metodo)                                                                  \
    void metodo(FormulaResult& result, const ArgumentTokens& arguments) override          \
    {                                                                                     \
        result.AddValue(QStringLiteral(#metodo "/%1").arg(result.GetParamsCount(arguments))); \
    }
    RESPONDE(FuncFuncao)
    RESPONDE(ValorEventoFuncao)
    RESPONDE(ReferEventoFuncao)
    RESPONDE(BaseEventoFuncao)
    RESPONDE(ValorEventoRateadoFuncao)
    RESPONDE(ReferEventoRateadoFuncao)
    RESPONDE(BaseEventoRateadoFuncao)
    RESPONDE(RateioCentruCustoFuncao)
    RESPONDE(RateioOutEmpFuncao)
    RESPONDE(ImpCalcFuncao)
    RESPONDE(OutraEmpFuncao)
    RESPONDE(ProvisaoFeriasFuncao)
    RESPONDE(ProvisaoFeriasRatFuncao)
    RESPONDE(Provisao13SalFuncao)
    RESPONDE(Provisao13SalRatFuncao)
    RESPONDE(OrganogramaFuncao)
    RESPONDE(HistCargoFuncao)
    RESPONDE(HistSalarioFuncao)
    RESPONDE(HistSindicatoFuncao)
    RESPONDE(HistEscalaFuncao)
    RESPONDE(FuncTotais)
    RESPONDE(GPSFuncao)
#undef RESPONDE

protected:
    void ExecutarInterno() override {}
};

// A run's module of another kind: only the base data module.
class ModuloBase : public host::TnDMPlanilha {
public:
    QString ClassName() const override { return QStringLiteral("ModuloBase"); }

protected:
    void ExecutarInterno() override {}
};

class RegistroFuncoesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        RegistrarTodasFuncoes();
        RegistrarTodasFuncoes();  // a second call changes nothing
    }

    spreadsheet::Value calcular(const QString& formula)
    {
        sheet.setText(0, 0, formula);
        wb.calculate();
        return sheet.value(0, 0);
    }

    Workbook wb;
    Sheet& sheet = wb.addSheet();
};

}  // namespace

TEST_F(RegistroFuncoesTest, TemplatesShowPlaceholdersOutsideARun)
{
    const std::pair<const char*, double> numbers[] = {
        {"=fpaEvValor(100)", 100.03},          {"=fpaEvValor(12.9;1)", 12.03},
        {"=fpaRatCentCusto(7)", 7.005},         {"=fpaEvRefer(5;1;\"\";2;\"35;37\")", 5.02},
        {"=fpaEvBase(-3.7)", -2.99},            {"=fpaRatValor(1)", 1.003},
        {"=fpaRatRefer(1)", 1.002},             {"=fpaRatBase(1)", 1.001},
        {"=fpaRatOutEmp(1)", 1.004},            {"=fpaImpCalc(23;1)", 23.1},
        {"=fpaProvFer(25)", 25.1},              {"=fpaProv13SalRat(2)", 2.1},
        {"=fpaEvValor()", 0.03},                {"=fpaEvValor(\"abc\")", 0.03},
    };
    for (const auto& [formula, expected] : numbers)
        EXPECT_DOUBLE_EQ(calcular(QString::fromLatin1(formula)).number(), expected) << formula;

    const std::pair<const char*, const char*> texts[] = {
        {"=fpaFuncHistCargo(2;15)", "Cargo(2)"},  {"=fpaFuncHistSalario(3.9)", "Salario(3)"},
        {"=fpaFuncHistSindicato(0)", "Sindicato(0)"}, {"=fpaFuncHistEscala(1)", "Escala(1)"},
        {"=gerPAG()", "Pag()"},                   {"=gerEMP(3)", "Emp(3)"},
        {"=gerEMP()", "Emp()"},                   {"=gerEMP(\"\")", "Emp()"},
        {"=fpaFunc(4;15)", "Func(4;15)"},         {"=fpaFunc(2.5)", "Func(2,5;)"},
        {"=fpaGPS(2;1)", "GPS(2;1)"},             {"=fpaFuncTotais(1)", "FuncTotais(1;)"},
        {"=fpaOutEmp(5;2)", "OutraEmp(5)"},       {"=fpaOrganDescr(1;\"01.02\")", "OrganDescr(1)"},
        {"=ctbSAN(5;2;\"1..5\";2024)", "ctbSAN(5)"}, {"=ctbPAG()", "ctbPAG()"},
        {"=gerDESC(12)", "gerDESC(12)"},          {"=ctbDTA(3)", "ctbDTA(3)"},
    };
    for (const auto& [formula, expected] : texts)
        EXPECT_EQ(calcular(QString::fromLatin1(formula)).text(), QString::fromLatin1(expected)) << formula;
}

TEST_F(RegistroFuncoesTest, NumbersThatCannotBeTruncatedGiveTheValueError)
{
    for (const char* formula : {"=fpaEvValor(1E300*1E300)", "=fpaEvValor(1E300)", "=fpaFuncHistCargo(-1E20)",
                                "=fpaProvFer(1E16)"}) {
        const spreadsheet::Value value = calcular(QString::fromLatin1(formula));
        EXPECT_EQ(value.type(), spreadsheet::ValueType::Error) << formula;
    }
    EXPECT_EQ(calcular(QStringLiteral("=fpaEvValor(1E300)")).error(), spreadsheet::ErrorCode::Value);
}

TEST_F(RegistroFuncoesTest, DuringARunEveryPayrollFunctionReachesItsOperation)
{
    ModuloFolha module;
    wb.setTag(&module);
    const std::pair<const char*, const char*> calls[] = {
        {"=fpaFunc(2;100)", "FuncFuncao/2"},
        {"=fpaEvValor(100;1;\"\";2)", "ValorEventoFuncao/4"},
        {"=fpaEvRefer(1;2;3;4;\"35\")", "ReferEventoFuncao/5"},
        {"=fpaEvBase(1)", "BaseEventoFuncao/1"},
        {"=fpaRatValor(1;2;3;4;5;6)", "ValorEventoRateadoFuncao/6"},
        {"=fpaRatRefer(1)", "ReferEventoRateadoFuncao/1"},
        {"=fpaRatBase(1)", "BaseEventoRateadoFuncao/1"},
        {"=fpaRatCentCusto(1)", "RateioCentruCustoFuncao/1"},
        {"=fpaRatOutEmp(1)", "RateioOutEmpFuncao/1"},
        {"=fpaImpCalc(1)", "ImpCalcFuncao/1"},
        {"=fpaOutEmp(1;5)", "OutraEmpFuncao/2"},
        {"=fpaProvFer(1)", "ProvisaoFeriasFuncao/1"},
        {"=fpaProvFerRat(1)", "ProvisaoFeriasRatFuncao/1"},
        {"=fpaProv13Sal(1)", "Provisao13SalFuncao/1"},
        {"=fpaProv13SalRat(1)", "Provisao13SalRatFuncao/1"},
        {"=fpaOrganDescr(1;\"01\")", "OrganogramaFuncao/2"},
        {"=fpaFuncHistCargo(1;2)", "HistCargoFuncao/2"},
        {"=fpaFuncHistSalario(1;2)", "HistSalarioFuncao/2"},
        {"=fpaFuncHistSindicato(1;2)", "HistSindicatoFuncao/2"},
        {"=fpaFuncHistEscala(1;2)", "HistEscalaFuncao/2"},
        {"=fpaFuncTotais(1)", "FuncTotais/1"},
        {"=fpaGPS(2;1)", "GPSFuncao/2"},
    };
    for (const auto& [formula, expected] : calls)
        EXPECT_EQ(calcular(QString::fromLatin1(formula)).text(), QString::fromLatin1(expected)) << formula;
    // The base module answers the page function: no page breaks, page 1.
    EXPECT_EQ(calcular(QStringLiteral("=gerPAG()")).number(), 1.0);
    wb.setTag(nullptr);
    EXPECT_EQ(calcular(QStringLiteral("=fpaFunc(2;100)")).text(), QStringLiteral("Func(2;100)"));
}

TEST_F(RegistroFuncoesTest, AModuleOfAnotherClassIsAnErrorNamingPegarDM)
{
    ModuloBase module;
    wb.setTag(&module);
    EXPECT_EQ(calcular(QStringLiteral("=gerPAG()")).number(), 1.0);  // the base class is enough here
    const spreadsheet::Value value = calcular(QStringLiteral("=fpaEvValor(100)"));
    wb.setTag(nullptr);
    EXPECT_EQ(value.type(), spreadsheet::ValueType::Error);
    ASSERT_FALSE(wb.calculationFailures().empty());
    EXPECT_TRUE(wb.calculationFailures().back().message.endsWith(QStringLiteral("PegarDM")))
        << wb.calculationFailures().back().message.toStdString();
}

TEST_F(RegistroFuncoesTest, FunctionsAreRegisteredInOrderWithTheirIdentifiersAndDeclarations)
{
    const auto& repository = spreadsheet::FunctionRepository::instance();
    const std::tuple<const char*, int, int> expected[] = {
        {"fpaFunc", 2148, 2},     {"fpaEvRefer", 2150, 5},      {"fpaRatValor", 2152, 6},
        {"fpaFuncTotais", 2168, 1}, {"fpaGPS", 2169, 2},         {"gerEMP", 2054, 2},
        {"gerPAG", 2059, 0},      {"FORMATARDATAHORA", 2060, 2}, {"FMTNUM", 2075, 2},
        {"REPT", 2061, 2},
    };
    for (const auto& [name, identifier, count] : expected) {
        const spreadsheet::FunctionEntry* entry = repository.find(QString::fromLatin1(name));
        ASSERT_NE(entry, nullptr) << name;
        EXPECT_EQ(entry->name, QString::fromLatin1(name));
        EXPECT_EQ(entry->identifier, identifier) << name;
        EXPECT_EQ(int(entry->params.size()), count) << name;
        EXPECT_EQ(entry->requiredCount, 0) << name;  // every argument may be left out
    }
    EXPECT_EQ(repository.find(u"fpaEvRefer")->params.back(), spreadsheet::ParamKind::OptionalArray);
    EXPECT_LT(repository.indexOf(u"fpaGPS"), repository.indexOf(u"gerEMP"));
    EXPECT_LT(repository.indexOf(u"fpaFunc"), repository.indexOf(u"fpaEvValor"));
    EXPECT_LT(repository.indexOf(u"FMTNUM"), repository.indexOf(u"REPT"));
    EXPECT_EQ(calcular(QStringLiteral("=REPT(\"ab\";3)")).text(), QStringLiteral("ababab"));
}
