#include "FolhaTeste.h"

namespace {

class HistoricoTest : public FolhaTeste {
protected:
    void SetUp() override
    {
        FolhaTeste::SetUp();
        dm.SetDataReferenciaFixa(QDateTime(QDate(2024, 6, 30), QTime(0, 0)));
    }
};

TEST_F(HistoricoTest, PositionInForceAtTheReferenceDate)
{
    const QString descricao = textoSql(QStringLiteral("select C.DescrCargo from FuncCargo FC join "
                                                      "Cargo C on C.CodigoCargo = FC.CodigoCargo where "
                                                      "FC.CodigoEmpresa = 1 and FC.CodigoFuncContr = "
                                                      "100 and FC.DataInicial <= '2024-06-30' "
                                                      "order by FC.DataInicial desc"));
    ASSERT_FALSE(descricao.isEmpty());
    EXPECT_EQ(texto(QStringLiteral("fpaFuncHistCargo(1;100)")), descricao);
}

TEST_F(HistoricoTest, TwoSalariesOnOneDateGiveTheGreaterSequence)
{
    ASSERT_EQ(valorSql(QStringLiteral("select count(*) from FuncSalario where CodigoEmpresa = 1 and "
                                      "CodigoFuncContr = 100 and DataInicial = '2024-05-01'"))
                  .toInt(),
              2);
    const QString valor = textoSql(QStringLiteral("select ValorSal from FuncSalario where CodigoEmpresa = 1 and "
                                                  "CodigoFuncContr = 100 and "
                                                  "DataInicial <= '2024-06-30' order by DataInicial desc, Seq desc"));
    EXPECT_EQ(texto(QStringLiteral("fpaFuncHistSalario(1;100)")), valor);
}

TEST_F(HistoricoTest, EachCellReRunsTheQueryWithItsEmployee)
{
    const QString salario100 = texto(QStringLiteral("fpaFuncHistSalario(1;100)"));
    const QString salario101 =
        textoSql(QStringLiteral("select ValorSal from FuncSalario where CodigoEmpresa = 1 and "
                                "CodigoFuncContr = 101 and "
                                "DataInicial <= '2024-06-30' order by DataInicial desc, Seq desc"));
    EXPECT_EQ(texto(QStringLiteral("fpaFuncHistSalario(1;101)")), salario101);
    EXPECT_EQ(texto(QStringLiteral("fpaFuncHistSalario(1;100)")), salario100);
    // No record up to the date: the empty text.
    EXPECT_EQ(texto(QStringLiteral("fpaFuncHistSalario(1)")), QString());
    EXPECT_EQ(avaliar(QStringLiteral("fpaFuncHistSalario(1)")).type(), spreadsheet::ValueType::Text);
}

TEST_F(HistoricoTest, WorkingTimeRegimeIsDescribed)
{
    ASSERT_EQ(valorSql(QStringLiteral("select RegimeJor from FuncEscala where CodigoEmpresa = 1 and "
                                      "CodigoFuncContr = 100 and DataInicial <= '2024-06-30' order by "
                                      "DataInicial "
                                      "desc"))
                  .toInt(),
              2);
    EXPECT_EQ(texto(QStringLiteral("fpaFuncHistEscala(3;100)")),
              QStringLiteral("Atividade Externa especificada no Inciso I do Art. 62 da CLT"));
}

TEST_F(HistoricoTest, ColumnNumbersOutsideTheHistoryAreAnsweredInTheCell)
{
    for (const char* formula : {"fpaFuncHistCargo(3;100)", "fpaFuncHistCargo(;100)", "fpaFuncHistSalario(4;100)",
                                "fpaFuncHistEscala(-1;100)", "fpaFuncHistSindicato(10;100)"}) {
        EXPECT_EQ(texto(QString::fromUtf8(formula)), QStringLiteral("Campo não existe.")) << formula;
    }
    EXPECT_EQ(texto(QStringLiteral("fpaFuncHistCargo(2.5;100)")), texto(QStringLiteral("fpaFuncHistCargo(2;100)")));
}

TEST_F(HistoricoTest, BeforeTheFirstRecordTheCellIsEmpty)
{
    dm.SetDataReferenciaFixa(QDateTime(QDate(2019, 1, 31), QTime(0, 0)));
    EXPECT_EQ(texto(QStringLiteral("fpaFuncHistSindicato(1;100)")), QString());
}

}  // namespace
