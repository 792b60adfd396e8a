#include "FolhaTeste.h"

#include "DemoDatabases.h"

namespace {

// A sample of the family on PostgreSQL, whose dates, numerics and escapes
// come back through another driver.
class PostgresCadastroTest : public FolhaTeste {
protected:
    QString conexao() const override
    {
        return host::testing::DemoDatabases::instance().postgresConnection(
            QStringLiteral("darvelo_payroll_cadastro_test"));
    }
    void SetUp() override
    {
        DARVELO_REQUIRE_POSTGRES();
        FolhaTeste::SetUp();
        dm.SetDataReferenciaFixa(QDateTime(QDate(2024, 6, 30), QTime(0, 0)));
    }
};

TEST_F(PostgresCadastroTest, EmployeeHistoryGpsAndOtherCompany)
{
    EXPECT_EQ(texto(QStringLiteral("fpaFunc(2;100)")),
              textoSql(QStringLiteral("select FP.NomeFunc from FuncContrato F join FuncPessoa FP on "
                                      "FP.CodigoFuncPessoa = F.CodigoFuncPessoa where "
                                      "F.CodigoEmpresa = 1 and "
                                      "F.CodigoFuncContr = 100")));
    EXPECT_EQ(texto(QStringLiteral("fpaFunc(5;100)")),
              textoSql(QStringLiteral("select FP.DataNasc from FuncContrato F join FuncPessoa FP on "
                                      "FP.CodigoFuncPessoa = F.CodigoFuncPessoa where "
                                      "F.CodigoEmpresa = 1 and "
                                      "F.CodigoFuncContr = 100")));
    EXPECT_EQ(texto(QStringLiteral("fpaFuncHistSalario(1;100)")),
              textoSql(QStringLiteral("select ValorSal from FuncSalario where CodigoEmpresa = 1 and "
                                      "CodigoFuncContr = 100 and DataInicial <= '2024-06-30' order "
                                      "by DataInicial "
                                      "desc, Seq desc")));
    EXPECT_EQ(texto(QStringLiteral("fpaFuncHistEscala(3;100)")),
              QStringLiteral("Atividade Externa especificada no Inciso I do Art. 62 da CLT"));
    EXPECT_EQ(texto(QStringLiteral("fpaGPS(2;99)")), QStringLiteral("Configuração GPS não encontrada."));
    EXPECT_EQ(texto(QStringLiteral("fpaOutEmp(1;5)")),
              textoSql(QStringLiteral("select NomeOutEmp from OutraEmpresa where CodigoOutEmp = 5")));
    EXPECT_EQ(texto(QStringLiteral("fpaOrganDescr(1;\"01.02\")")),
              textoSql(QStringLiteral("select DescrOrgan from Organograma where "
                                      "CodigoEmpresa = 1 and CodigoEstab = 1 "
                                      "and ClassifOrgan = '01.02'")));
    EXPECT_EQ(texto(QStringLiteral("fpaFuncTotais(5)")), QStringLiteral("Campo não existe."));
}

}  // namespace
