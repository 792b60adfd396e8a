#include "FolhaTeste.h"

#include "host/TnDMSQLDataSet.h"

namespace {

const QString kNaoEncontrado = QStringLiteral("Funcionário não encontrado.");
const QString kCampoNaoExiste = QStringLiteral("Campo não existe.");

QString colunaFuncionario(const QString& coluna, int funcionario)
{
    return FolhaTeste::textoSql(QStringLiteral("select %1 from FuncContrato F join FuncPessoa FP on "
                                                  "FP.CodigoFuncPessoa = F.CodigoFuncPessoa "
                                                  "where F.CodigoEmpresa = 1 and F.CodigoFuncContr = %2")
                                       .arg(coluna)
                                       .arg(funcionario));
}

class FuncFuncaoTest : public FolhaTeste {};

TEST_F(FuncFuncaoTest, ReadsTheEmployeeRecordOfTheCurrentCompany)
{
    const QString nome = colunaFuncionario(QStringLiteral("FP.NomeFunc"), 100);
    ASSERT_FALSE(nome.isEmpty());
    EXPECT_EQ(texto(QStringLiteral("fpaFunc(2;100)")), nome);
    EXPECT_EQ(texto(QStringLiteral("fpaFunc(1;100)")), QStringLiteral("100"));
    // The same employee code in another company is another person.
    dm.FCodigoEmpresa = 2;
    EXPECT_EQ(texto(QStringLiteral("fpaFunc(2;100)")),
              textoSql(QStringLiteral("select FP.NomeFunc from FuncContrato F join FuncPessoa FP on "
                                      "FP.CodigoFuncPessoa = F.CodigoFuncPessoa where "
                                      "F.CodigoEmpresa = 2 and "
                                      "F.CodigoFuncContr = 100")));
}

TEST_F(FuncFuncaoTest, ColumnNumbersOutsideTheRecordAreAnsweredInTheCell)
{
    EXPECT_EQ(texto(QStringLiteral("fpaFunc(0;100)")), kCampoNaoExiste);
    EXPECT_EQ(texto(QStringLiteral("fpaFunc(29;100)")), kCampoNaoExiste);
    EXPECT_EQ(texto(QStringLiteral("fpaFunc(;100)")), kCampoNaoExiste);
    EXPECT_TRUE(dm.curFuncionario) << "a range message keeps the query of the run";
    EXPECT_EQ(texto(QStringLiteral("fpaFunc(2)")), kNaoEncontrado);
}

TEST_F(FuncFuncaoTest, ColumnNumbersRoundHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(texto(QStringLiteral("fpaFunc(2.5;100)")), colunaFuncionario(QStringLiteral("FP.NomeFunc"), 100));
    EXPECT_EQ(texto(QStringLiteral("fpaFunc(3.5;100)")), colunaFuncionario(QStringLiteral("FP.CPFFunc"), 100));
    EXPECT_EQ(texto(QStringLiteral("fpaFunc(2;99.5)")), texto(QStringLiteral("fpaFunc(2;100)")));
}

TEST_F(FuncFuncaoTest, EmployeesOutsideTheRunListsAreNotFound)
{
    // Employee 101 is admitted on 2024-02-29: not in January's period.
    EXPECT_EQ(texto(QStringLiteral("fpaFunc(2;101)")), kNaoEncontrado);

    novaExecucao();
    dm.FFuncionarios = QStringLiteral(" 101 ");
    EXPECT_EQ(texto(QStringLiteral("fpaFunc(2;100)")), kNaoEncontrado);

    novaExecucao();
    dm.FFuncionarios.clear();
    const QString estab = textoSql(QStringLiteral("select FL.CodigoEstab from FuncLocal FL join FuncPerCalculo FPC on "
                                                  "FPC.CodigoEmpresa = FL.CodigoEmpresa and "
                                                  "FPC.CodigoFuncContr = FL.CodigoFuncContr and FPC.DataLocal = "
                                                  "FL.DataTransf where FL.CodigoEmpresa = 1 and "
                                                  "FL.CodigoFuncContr = 100 and FPC.CodigoPerCalculo = 3"));
    ASSERT_FALSE(estab.isEmpty());
    dm.FFiliais = estab == QStringLiteral("1") ? QStringLiteral("2..3") : QStringLiteral("1");
    EXPECT_EQ(texto(QStringLiteral("fpaFunc(2;100)")), kNaoEncontrado);
}

TEST_F(FuncFuncaoTest, ASecondRunSeesItsOwnLists)
{
    dm.FFuncionarios = QStringLiteral("100");
    EXPECT_EQ(texto(QStringLiteral("fpaFunc(1;100)")), QStringLiteral("100"));
    EXPECT_EQ(texto(QStringLiteral("fpaFunc(1;101)")), kNaoEncontrado);

    novaExecucao();
    dm.FFuncionarios = QStringLiteral("101");
    dm.FPeriodoCalculo = QStringLiteral("5");
    EXPECT_EQ(texto(QStringLiteral("fpaFunc(1;101)")), QStringLiteral("101"));
    EXPECT_EQ(texto(QStringLiteral("fpaFunc(1;100)")), kNaoEncontrado);
}

TEST_F(FuncFuncaoTest, TheEstablishmentIsTheOneOfThePeriodsLocationDate)
{
    // Employee 100 is transferred on 2024-02-29; March's period sees the new
    // place.
    const QString depois = textoSql(QStringLiteral("select CodigoEstab from FuncLocal where "
                                                   "CodigoEmpresa = 1 and CodigoFuncContr = 100 and "
                                                   "DataTransf = '2024-02-29'"));
    ASSERT_FALSE(depois.isEmpty());
    dm.FPeriodoCalculo = QStringLiteral("5");
    EXPECT_EQ(texto(QStringLiteral("fpaFunc(8;100)")), depois);
}

TEST_F(FuncFuncaoTest, AFailedBuildLeavesNoQueryBehind)
{
    dm.FFuncionarios = QStringLiteral("1..x");
    EXPECT_EQ(avaliar(QStringLiteral("fpaFunc(2;100)")).type(), spreadsheet::ValueType::Error);
    EXPECT_FALSE(falha().isEmpty());
    EXPECT_FALSE(dm.curFuncionario);

    dm.FFuncionarios.clear();
    EXPECT_EQ(texto(QStringLiteral("fpaFunc(1;100)")), QStringLiteral("100"));
}

TEST_F(FuncFuncaoTest, ANonNumericColumnRaises)
{
    EXPECT_EQ(avaliar(QStringLiteral("fpaFunc(\"dois\";100)")).type(), spreadsheet::ValueType::Error);
    EXPECT_TRUE(falha().contains(QStringLiteral("dois")));
}

}  // namespace
