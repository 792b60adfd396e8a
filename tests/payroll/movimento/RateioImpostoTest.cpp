#include "MovimentoTeste.h"

#include <QStringList>

namespace {

const QString kRateioDoPeriodo = QStringLiteral(
    " FROM CALCULORATEIO CR"
    " JOIN FUNCPERCALCULO FP ON FP.CODIGOEMPRESA = CR.CODIGOEMPRESA AND FP.CODIGOFUNCCONTR = CR.CODIGOFUNCCONTR"
    "  AND FP.CODIGOPERCALCULO = CR.CODIGOPERCALCULO"
    " JOIN FUNCLOCAL FL ON FL.CODIGOEMPRESA = FP.CODIGOEMPRESA AND FL.CODIGOFUNCCONTR = FP.CODIGOFUNCCONTR"
    "  AND FL.DATATRANSF = FP.DATALOCAL"
    " WHERE CR.CODIGOPERCALCULO = 3 AND CR.CODIGOEMPRESA = ");

const QString kImpostoDoPeriodo =
    QStringLiteral(" FROM IMPOSTOCALCULO I WHERE I.CODIGOEMPRESA = 1 AND I.COMPROCESSO = '1'");

constexpr double kCentavos = 1e-5;

QString juntar(const QVariantList& codigos)
{
    QStringList textos;
    for (const QVariant& codigo : codigos)
        textos << QString::number(codigo.toLongLong());
    return textos.join(QLatin1Char(';'));
}

class RateioTest : public MovimentoTeste {
protected:
    // An apportioned event of one employee spread over several cost
    // centres: company, employee, event.
    QVariantList espalhado()
    {
        const QVariantList linha = linhaSql(
            QStringLiteral("SELECT CR.CODIGOEMPRESA, CR.CODIGOFUNCCONTR, CR.CODIGOEVENTO FROM CALCULORATEIO CR"
                           " WHERE CR.CODIGOPERCALCULO = 3 GROUP BY CR.CODIGOEMPRESA, CR.CODIGOFUNCCONTR, CR.CODIGOEVENTO"
                           " HAVING COUNT(DISTINCT CR.CODIGOCENTROCUSTO) > 1 ORDER BY 1, 2, 3"));
        EXPECT_EQ(linha.size(), 3) << "the demo data has no apportionment over several cost centres";
        return linha;
    }
};

TEST_F(RateioTest, ValorSomaAsParcelasDoEvento)
{
    const QVariantList l = espalhado();
    ASSERT_EQ(l.size(), 3);
    dm.FCodigoEmpresa = l[0].toInt();
    const QString filtro = QStringLiteral("%1 AND CR.CODIGOFUNCCONTR = %2 AND CR.CODIGOEVENTO = %3")
                               .arg(l[0].toInt()).arg(l[1].toInt()).arg(l[2].toInt());
    const double esperado = somaSql(QStringLiteral("SELECT SUM(CR.VALOREVENTO)") + kRateioDoPeriodo + filtro);
    EXPECT_NEAR(numero(QStringLiteral("fpaRatValor(%1; ; ; ; ; %2)").arg(l[2].toInt()).arg(l[1].toInt())), esperado,
                kCentavos);
}

TEST_F(RateioTest, CentrosDeCustoDiferentesSaoListadosNuncaSomados)
{
    const QVariantList l = espalhado();
    ASSERT_EQ(l.size(), 3);
    dm.FCodigoEmpresa = l[0].toInt();
    const QString filtro = QStringLiteral("%1 AND CR.CODIGOFUNCCONTR = %2 AND CR.CODIGOEVENTO = %3")
                               .arg(l[0].toInt()).arg(l[1].toInt()).arg(l[2].toInt());
    const QVariantList centros =
        colunaSql(QStringLiteral("SELECT DISTINCT CR.CODIGOCENTROCUSTO") + kRateioDoPeriodo + filtro + QStringLiteral(" ORDER BY 1"));
    const QString celula = QStringLiteral("fpaRatCentCusto(%1; ; ; %3; ; %2)").arg(l[2].toInt()).arg(l[1].toInt());
    EXPECT_EQ(texto(celula.arg(-1)), juntar(centros));
    // One cost centre of the event: its own code.
    EXPECT_EQ(texto(celula.arg(centros[1].toInt())), centros[1].toString());

    const QVariantList outras =
        colunaSql(QStringLiteral("SELECT DISTINCT CR.CODIGOOUTEMP") + kRateioDoPeriodo + filtro + QStringLiteral(" ORDER BY 1"));
    EXPECT_EQ(texto(QStringLiteral("fpaRatOutEmp(%1; ; ; ; ; %2)").arg(l[2].toInt()).arg(l[1].toInt())), juntar(outras));
}

class ImpostoTest : public MovimentoTeste {};

TEST_F(ImpostoTest, ColunaDeValorSomaOEstabelecimento)
{
    const double esperado =
        somaSql(QStringLiteral("SELECT SUM(I.VALORINSS)") + kImpostoDoPeriodo + QStringLiteral(" AND I.CODIGOPERCALCULO = 3 AND I.CODIGOESTAB = 1"));
    ASSERT_GT(esperado, 0.0);
    const spreadsheet::Value valor = avaliar(QStringLiteral("fpaImpCalc(23; 1; -1; -1; ; -1)"));
    ASSERT_TRUE(valor.isNumber());
    EXPECT_NEAR(valor.number(), esperado, kCentavos);
}

TEST_F(ImpostoTest, ColunaForaDoCatalogo)
{
    EXPECT_EQ(texto(QStringLiteral("fpaImpCalc(55; 1)")), QStringLiteral("Campo não existe."));
    EXPECT_EQ(texto(QStringLiteral("fpaImpCalc()")), QStringLiteral("Campo não existe."));
    EXPECT_EQ(texto(QStringLiteral("fpaImpCalc(-1; 1)")), QStringLiteral("Campo não existe."));
}

TEST_F(ImpostoTest, ColunasDeCodigoDaoOCodigoOuALista)
{
    dm.FPeriodoCalculo = QStringLiteral("1..14");
    const QVariantList estabs = colunaSql(QStringLiteral("SELECT DISTINCT I.CODIGOESTAB") + kImpostoDoPeriodo
                                          + QStringLiteral(" AND I.CODIGOPERCALCULO BETWEEN 1 AND 14 AND I.CODIGOFUNCCONTR = 100 ORDER BY 1"));
    ASSERT_GE(estabs.size(), 2) << "employee 100 was transferred";
    EXPECT_EQ(texto(QStringLiteral("fpaImpCalc(1; ; ; ; ; 100)")), juntar(estabs));

    const spreadsheet::Value periodo = avaliar(QStringLiteral("fpaImpCalc(54; %1; ; ; ; 100)").arg(estabs[0].toInt()));
    const QVariantList periodos = colunaSql(QStringLiteral("SELECT DISTINCT I.CODIGOPERCALCULO") + kImpostoDoPeriodo
                                            + QStringLiteral(" AND I.CODIGOPERCALCULO BETWEEN 1 AND 14 AND I.CODIGOFUNCCONTR = 100"
                                                             " AND I.CODIGOESTAB = %1 ORDER BY 1").arg(estabs[0].toInt()));
    EXPECT_EQ(periodo.isNumber() ? QString::number(periodo.number()) : periodo.text(), juntar(periodos));

    novaExecucao();
    dm.FPeriodoCalculo = QStringLiteral("3");
    const spreadsheet::Value um = avaliar(QStringLiteral("fpaImpCalc(0; ; ; ; ; 100)"));
    ASSERT_TRUE(um.isNumber());
    EXPECT_EQ(um.number(), 100.0);
}

}  // namespace
