// The three functions evaluated in real formulas of a workbook, registered
// under test names so that they do not clash with the program's own.

#include "TestPrinters.h"

#include "catalog/FuncoesFormatacao.h"

#include <spreadsheet/FunctionRepository.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <QLocale>

#include <gtest/gtest.h>

using spreadsheet::ErrorCode;
using spreadsheet::FunctionRepository;
using spreadsheet::ParamKind;
using spreadsheet::Value;
using spreadsheet::ValueType;

namespace {

void doisValores(int& quantidade, std::vector<ParamKind>& tipos)
{
    quantidade = 2;
    tipos.assign(2, ParamKind::OptionalValue);
}

void registrar()
{
    static const bool registrado = [] {
        const struct {
            const char* nome;
            spreadsheet::FunctionProcedure procedimento;
        } funcoes[] = {
            {"tFORMATARDATAHORA", &catalog::FuncaoFormatarDataHora},
            {"tFMTNUM", &catalog::FuncaoFmtNum},
            {"tREPT", &catalog::FuncaoRept},
        };
        for (const auto& funcao : funcoes) {
            FunctionRepository::instance().Add(QString::fromLatin1(funcao.nome), funcao.procedimento, &doisValores,
                                               spreadsheet::ResultKind::Value, 0,
                                               spreadsheet::FunctionCategory::UserDefined);
        }
        return true;
    }();
    (void)registrado;
}

class FuncoesFormatacao : public ::testing::Test {
protected:
    void SetUp() override
    {
        salvo_ = QLocale();
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        registrar();
    }
    void TearDown() override { QLocale::setDefault(salvo_); }

    Value calcular(const char* formula)
    {
        planilha_.setText(0, 0, QString::fromUtf8(formula));
        return planilha_.value(0, 0);
    }

    QString texto(const char* formula)
    {
        const Value v = calcular(formula);
        EXPECT_EQ(v.type(), ValueType::Text) << formula;
        return v.text();
    }

    bool erroDeValor(const char* formula)
    {
        const Value v = calcular(formula);
        return v.isError() && v.error() == ErrorCode::Value;
    }

    QLocale salvo_;
    spreadsheet::Workbook pasta_;
    spreadsheet::Sheet& planilha_ = pasta_.addSheet();
};

}  // namespace

TEST_F(FuncoesFormatacao, Rept)
{
    EXPECT_EQ(texto("=tREPT(\"ab\";3)"), "ababab");
    EXPECT_EQ(texto("=tREPT(\"ab\";2.5)"), "abab");
    EXPECT_EQ(texto("=tREPT(\"ab\")"), "");
    EXPECT_EQ(texto("=tREPT(12.5;2)"), "12,512,5");
    EXPECT_EQ(texto("=tREPT(\"ab\";\"2\")"), "abab");
    EXPECT_TRUE(erroDeValor("=tREPT(\"ab\";\"duas\")"));
    EXPECT_TRUE(erroDeValor("=tREPT(\"x\";1E12)"));
    EXPECT_TRUE(erroDeValor("=tREPT(\"x\";32768)"));
    EXPECT_EQ(texto("=tREPT(\"x\";32767)").size(), 32767);
}

TEST_F(FuncoesFormatacao, FmtNum)
{
    EXPECT_EQ(texto("=tFMTNUM(1234.5;\"999,990.00\")"), "1.234,50");
    EXPECT_EQ(texto("=tFMTNUM(-3.5;\"9;(9)\")"), "(4)");
    EXPECT_EQ(texto("=tFMTNUM(1234.5)"), "1234,5");
    EXPECT_EQ(texto("=tFMTNUM(\"1.234,5\";\"0.0\")"), "1234,5");
    EXPECT_EQ(texto("=tFMTNUM(0.5;0)"), "1");
    EXPECT_TRUE(erroDeValor("=tFMTNUM(\"abc\";\"0\")"));
}

TEST_F(FuncoesFormatacao, FormatarDataHora)
{
    EXPECT_EQ(texto("=tFORMATARDATAHORA(45366.5)"), "15/03/2024 12:00:00");
    EXPECT_EQ(texto("=tFORMATARDATAHORA(45366)"), "15/03/2024");
    EXPECT_EQ(texto("=tFORMATARDATAHORA(45366;\"dd/mm/yyyy\")"), "15/03/2024");
    EXPECT_EQ(texto("=tFORMATARDATAHORA(\"15/03/2024 14:30\";\"yyyy-mm-dd hh:nn\")"), "2024-03-15 14:30");
    EXPECT_EQ(texto("=tFORMATARDATAHORA(\"15/03/24\";\"dddd\")"), "sexta-feira");
    EXPECT_EQ(texto("=tFORMATARDATAHORA(\"2024-03-15\";\"d mmm\")"), "15 mar.");
    EXPECT_EQ(texto("=tFORMATARDATAHORA(\"14:30\";\"hh:mm\")"), "14:30");
    EXPECT_TRUE(erroDeValor("=tFORMATARDATAHORA(\"amanhã\")"));
    EXPECT_TRUE(erroDeValor("=tFORMATARDATAHORA(\"31/02/2024\")"));
    EXPECT_TRUE(erroDeValor("=tFORMATARDATAHORA(1E7)"));
    EXPECT_TRUE(erroDeValor("=tFORMATARDATAHORA(-1E300;\"d\")"));
}

TEST_F(FuncoesFormatacao, ReadsCellReferences)
{
    planilha_.setText(1, 0, QStringLiteral("45366"));
    planilha_.setText(1, 1, QStringLiteral("mmmm"));
    planilha_.setText(0, 0, QStringLiteral("=tFORMATARDATAHORA(A2;B2)"));
    EXPECT_EQ(planilha_.value(0, 0).text(), "março");
    // An empty cell is zero, and an empty mask.
    planilha_.setText(0, 0, QStringLiteral("=tFMTNUM(C9;D9)"));
    EXPECT_EQ(planilha_.value(0, 0).text(), "0");
}

TEST_F(FuncoesFormatacao, LeavesErrorsOfTheArgumentsToTheEngine)
{
    // An overflow is #NUM! before the function is reached.
    const Value v = calcular("=tREPT(\"x\";1E308*10)");
    ASSERT_TRUE(v.isError());
    EXPECT_EQ(v.error(), ErrorCode::Num);
    EXPECT_EQ(calcular("=tFMTNUM(1/0)").error(), ErrorCode::Div0);
}
