#include "FolhaTeste.h"

namespace {

const QString kCampoNaoExiste = QStringLiteral("Campo não existe.");

class FuncTotaisTest : public FolhaTeste {};

TEST_F(FuncTotaisTest, CountsActiveEmployeesOfThePeriod)
{
    const QString ativos = textoSql(QStringLiteral("select count(*) from FuncPerCalculo F join FuncContrato "
                                                   "C on C.CodigoEmpresa = F.CodigoEmpresa and "
                                                   "C.CodigoFuncContr = F.CodigoFuncContr where "
                                                   "F.CodigoEmpresa = 2 and F.CodigoPerCalculo = 3 and "
                                                   "C.DataDem is null"));
    ASSERT_NE(ativos, QStringLiteral("0"));
    dm.FCodigoEmpresa = 2;
    EXPECT_EQ(texto(QStringLiteral("fpaFuncTotais(1)")), ativos);
}

TEST_F(FuncTotaisTest, MessagesForColumnAndCompany)
{
    EXPECT_EQ(texto(QStringLiteral("fpaFuncTotais(5)")), kCampoNaoExiste);
    EXPECT_EQ(texto(QStringLiteral("fpaFuncTotais(0)")), kCampoNaoExiste);
    EXPECT_EQ(texto(QStringLiteral("fpaFuncTotais()")), kCampoNaoExiste);
    dm.FCodigoEmpresa = 9;
    EXPECT_EQ(texto(QStringLiteral("fpaFuncTotais(1)")), QStringLiteral("Empresa não encontrada."));
}

TEST_F(FuncTotaisTest, CompaniesOutsideTheListAreNotFound)
{
    dm.FEmpresas = QStringLiteral("2..4");
    EXPECT_EQ(texto(QStringLiteral("fpaFuncTotais(1)")), QStringLiteral("Empresa não encontrada."));
}

class GPSFuncaoTest : public FolhaTeste {
protected:
    void SetUp() override
    {
        FolhaTeste::SetUp();
        dm.SetDataReferenciaFixa(QDateTime(QDate(2024, 6, 30), QTime(0, 0)));
    }

    // Of the GPS tables of the establishment, each at its latest start not
    // after the date, the one that started first answers.
    static QString emVigor(const QString& coluna, int estab, const QString& data)
    {
        return textoSql(QStringLiteral("select G.%1 from GPS G join CfgEstabFpa C on C.CodigoEmpresa = "
                                       "G.CodigoEmpresa and C.CodigoTabGPS = G.CodigoTabGPS where "
                                       "G.CodigoEmpresa = 1 "
                                       "and C.CodigoEstab = %2 and G.DataInicial = (select "
                                       "max(DataInicial) from GPS "
                                       "where CodigoEmpresa = 1 and CodigoTabGPS = G.CodigoTabGPS and "
                                       "DataInicial <= "
                                       "'%3') order by G.DataInicial")
                            .arg(coluna)
                            .arg(estab)
                            .arg(data));
    }
};

TEST_F(GPSFuncaoTest, GivesTheConfigurationInForceAtTheReferenceDate)
{
    EXPECT_EQ(texto(QStringLiteral("fpaGPS(2;3)")), emVigor(QStringLiteral("CodigoTabGPS"), 3, "2024-06-30"));
    EXPECT_EQ(texto(QStringLiteral("fpaGPS(3;3)")), emVigor(QStringLiteral("DataInicial"), 3, "2024-06-30"));

    // An earlier reference date reads an earlier configuration in a new run.
    novaExecucao();
    dm.SetDataReferenciaFixa(QDateTime(QDate(2023, 6, 30), QTime(0, 0)));
    const QString anterior = emVigor(QStringLiteral("DataInicial"), 3, "2023-06-30");
    EXPECT_EQ(texto(QStringLiteral("fpaGPS(3;3)")), anterior);
}

TEST_F(GPSFuncaoTest, MessagesForColumnAndEstablishment)
{
    EXPECT_EQ(texto(QStringLiteral("fpaGPS(1;1)")), kCampoNaoExiste);
    EXPECT_EQ(texto(QStringLiteral("fpaGPS(24;1)")), kCampoNaoExiste);
    EXPECT_EQ(texto(QStringLiteral("fpaGPS(2;99)")), QStringLiteral("Configuração GPS não encontrada."));
    EXPECT_EQ(texto(QStringLiteral("fpaGPS(2)")), QStringLiteral("Configuração GPS não encontrada."));
}

}  // namespace
