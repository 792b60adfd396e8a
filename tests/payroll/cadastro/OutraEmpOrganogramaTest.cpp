#include "FolhaTeste.h"

namespace {

class OutraEmpFuncaoTest : public FolhaTeste {
protected:
    static QString colunaOutraEmpresa(const QString& coluna, int codigo)
    {
        return textoSql(QStringLiteral("select %1 from OUTRAEMPRESA where CODIGOOUTEMP = %2").arg(coluna).arg(codigo));
    }
};

TEST_F(OutraEmpFuncaoTest, NumbersStartAtTheOtherCompanysCode)
{
    ASSERT_EQ(valorSql(QStringLiteral("select count(*) from OUTRAEMPEMP where "
                                      "CodigoEmpresa = 1 and CodigoOutEmp = 5"))
                  .toInt(),
              1);
    EXPECT_EQ(texto(QStringLiteral("fpaOutEmp(0;5)")), QStringLiteral("5"));
    EXPECT_EQ(texto(QStringLiteral("fpaOutEmp(1;5)")), colunaOutraEmpresa(QStringLiteral("NOMEOUTEMP"), 5));
    EXPECT_EQ(texto(QStringLiteral("fpaOutEmp(1.5;5)")), colunaOutraEmpresa(QStringLiteral("FANTOUTEMP"), 5));
    EXPECT_EQ(texto(QStringLiteral("fpaOutEmp(20;5)")), colunaOutraEmpresa(QStringLiteral("PORTEEMP"), 5));
}

TEST_F(OutraEmpFuncaoTest, Messages)
{
    const QString campo = QStringLiteral("Campo não existe.");
    EXPECT_EQ(texto(QStringLiteral("fpaOutEmp(21;5)")), campo);
    EXPECT_EQ(texto(QStringLiteral("fpaOutEmp(-1;5)")), campo);
    EXPECT_EQ(texto(QStringLiteral("fpaOutEmp()")), campo);
    EXPECT_EQ(texto(QStringLiteral("fpaOutEmp(1;9999)")), QStringLiteral("Outra Empresa não encontrada."));
    const int semVinculo = valorSql(QStringLiteral("select min(CodigoOutEmp) from OutraEmpresa "
                                                   "where CodigoOutEmp not "
                                                   "in (select CodigoOutEmp from OutraEmpEmp where "
                                                   "CodigoEmpresa = 1)"))
                               .toInt();
    if (semVinculo > 0) {
        EXPECT_EQ(texto(QStringLiteral("fpaOutEmp(1;%1)").arg(semVinculo)),
                  QStringLiteral("Outra Empresa não encontrada."));
    }
}

class OrganogramaFuncaoTest : public FolhaTeste {
protected:
    static QString descricao(int estab, const QString& classe)
    {
        return textoSql(QStringLiteral("select DescrOrgan from Organograma where "
                                       "CodigoEmpresa = 1 and CodigoEstab = "
                                       "%1 and ClassifOrgan = '%2'")
                            .arg(estab)
                            .arg(classe));
    }
};

TEST_F(OrganogramaFuncaoTest, QuotedAndPlainClassesGiveTheSameDescription)
{
    const QString esperado = descricao(1, QStringLiteral("01.02"));
    ASSERT_FALSE(esperado.isEmpty());
    EXPECT_EQ(texto(QStringLiteral("fpaOrganDescr(1;\"'01.02'\")")), esperado);
    EXPECT_EQ(texto(QStringLiteral("fpaOrganDescr(1;\"01.02\")")), esperado);
    EXPECT_EQ(dm.curOrganograma->Fields(dm.ixOrganograma_DescrOrgan).FieldName().toUpper(),
              QStringLiteral("DESCRORGAN"));
}

TEST_F(OrganogramaFuncaoTest, MissingClassesAreNotFound)
{
    const QString naoEncontrado = QStringLiteral("Organograma não encontrado.");
    EXPECT_EQ(texto(QStringLiteral("fpaOrganDescr(1)")), naoEncontrado);
    EXPECT_EQ(texto(QStringLiteral("fpaOrganDescr(1;\"99.99\")")), naoEncontrado);
    novaExecucao();
    dm.FFiliais = QStringLiteral("2..3");
    EXPECT_EQ(texto(QStringLiteral("fpaOrganDescr(1;\"01.02\")")), naoEncontrado);
}

}  // namespace
