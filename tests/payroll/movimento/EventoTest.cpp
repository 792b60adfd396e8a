#include "MovimentoTeste.h"

#include "TextoEvento.h"

#include "FuncoesMovimento.h"

#include <QStringList>

namespace {

// The calculated events of company 1, period 3, with the establishment of
// the employee's location in the period.
const QString kEventosDoPeriodo = QStringLiteral(
    " FROM CALCULOEVENTO CE"
    " JOIN FUNCPERCALCULO FP ON FP.CODIGOEMPRESA = CE.CODIGOEMPRESA AND FP.CODIGOFUNCCONTR = CE.CODIGOFUNCCONTR"
    "  AND FP.CODIGOPERCALCULO = CE.CODIGOPERCALCULO"
    " JOIN FUNCLOCAL FL ON FL.CODIGOEMPRESA = FP.CODIGOEMPRESA AND FL.CODIGOFUNCCONTR = FP.CODIGOFUNCCONTR"
    "  AND FL.DATATRANSF = FP.DATALOCAL"
    " JOIN EVENTO E ON E.CODIGOEVENTO = CE.CODIGOEVENTO"
    " WHERE CE.CODIGOEMPRESA = 1 AND CE.CODIGOPERCALCULO = 3");

// An event whose base and reference are plain numbers: procedure 1, a
// percentage unit, a structure outside the day, twelfth and union classes.
const QString kEventoNumerico = QStringLiteral(
    " AND E.CODIGOPROCED = 1 AND E.REFEREVENTO IN (3, 7) AND E.CODIGOESTRUT LIKE '0%'"
    " AND E.CODIGOESTRUT NOT LIKE '04%' AND E.CODIGOESTRUT NOT LIKE '05%' AND E.CODIGOESTRUT NOT LIKE '06%'");

struct Celula {
    int func;
    int estab;
    int evento;
};

// Money sums are compared to a thousandth of a cent: the cell's text keeps
// 15 significant digits.
constexpr double kCentavos = 1e-5;

class EventoTest : public MovimentoTeste {
protected:
    Celula celula(const QString& restricao = {})
    {
        const QVariantList linha = linhaSql(QStringLiteral("SELECT CE.CODIGOFUNCCONTR, FL.CODIGOESTAB, CE.CODIGOEVENTO")
                                            + kEventosDoPeriodo + restricao
                                            + QStringLiteral(" ORDER BY 1, 2, 3"));
        EXPECT_EQ(linha.size(), 3) << "the demo data lacks such an event";
        return linha.size() == 3 ? Celula{linha[0].toInt(), linha[1].toInt(), linha[2].toInt()} : Celula{-1, -1, -1};
    }

    double soma(const char* coluna, const QString& restricao)
    {
        return somaSql(QStringLiteral("SELECT SUM(CE.%1)").arg(QLatin1String(coluna)) + kEventosDoPeriodo + restricao);
    }

    static QString doFuncionario(const Celula& c)
    {
        return QStringLiteral(" AND FL.CODIGOESTAB = %1 AND CE.CODIGOFUNCCONTR = %2").arg(c.estab).arg(c.func);
    }
};

TEST_F(EventoTest, ValorSomaOEventoDoFuncionarioNoEstabelecimento)
{
    const Celula c = celula(QStringLiteral(" AND CE.CODIGOEVENTO = 100"));
    const double esperado = soma("VALOREVENTO", doFuncionario(c) + QStringLiteral(" AND CE.CODIGOEVENTO = 100"));
    ASSERT_GT(esperado, 0.0);
    EXPECT_NEAR(numero(QStringLiteral("fpaEvValor(100; %1; ; %2)").arg(c.estab).arg(c.func)), esperado, kCentavos);
}

TEST_F(EventoTest, ValorDoEstabelecimentoSomaTodosOsFuncionarios)
{
    const Celula c = celula(QStringLiteral(" AND CE.CODIGOEVENTO = 100"));
    const double esperado =
        soma("VALOREVENTO", QStringLiteral(" AND FL.CODIGOESTAB = %1 AND CE.CODIGOEVENTO = 100").arg(c.estab));
    EXPECT_NEAR(numero(QStringLiteral("fpaEvValor(100; %1)").arg(c.estab)), esperado, kCentavos);
}

TEST_F(EventoTest, ReplicacaoEmVigorUsaOsCamposDaQuebraComoVieram)
{
    const Celula c = celula(QStringLiteral(" AND CE.CODIGOEVENTO = 100"));
    dm.FIndiceQuebra = QStringList{QStringLiteral("CODIGOESTAB"), QStringLiteral("CODIGOFUNCCONTR")};
    dm.FIndexFieldNames = QStringLiteral("CodigoEstab;CodigoFuncContr");
    const double esperado = soma("VALOREVENTO", doFuncionario(c) + QStringLiteral(" AND CE.CODIGOEVENTO = 100"));
    EXPECT_NEAR(numero(QStringLiteral("fpaEvValor(100; %1; ; %2)").arg(c.estab).arg(c.func)), esperado, kCentavos);
    ASSERT_TRUE(dm.curCalculoEvento);
    EXPECT_EQ(dm.curCalculoEvento->GetIndexFieldNames().toUpper(),
              QStringLiteral("CODIGOEMPRESA;CODIGOESTAB;CODIGOFUNCCONTR;CODIGOEVENTO"));
    // Under a replication by employee a cell without one selects employee -1.
    EXPECT_EQ(texto(QStringLiteral("fpaEvValor(100; %1)").arg(c.estab)), QStringLiteral("0"));
}

TEST_F(EventoTest, BaseNumericaChegaSemUnidade)
{
    const Celula c = celula(kEventoNumerico);
    const QString doEvento = doFuncionario(c) + QStringLiteral(" AND CE.CODIGOEVENTO = %1").arg(c.evento);
    EXPECT_NEAR(numero(QStringLiteral("fpaEvBase(%1; %2; ; %3)").arg(c.evento).arg(c.estab).arg(c.func)),
                soma("BASEEVENTO", doEvento), kCentavos);
}

TEST_F(EventoTest, ReferenciaSomaOsEventosAuxiliares)
{
    const Celula c = celula(kEventoNumerico);
    const QVariantList outros = colunaSql(QStringLiteral("SELECT DISTINCT CE.CODIGOEVENTO") + kEventosDoPeriodo
                                          + doFuncionario(c)
                                          + QStringLiteral(" AND CE.CODIGOEVENTO <> %1 ORDER BY 1").arg(c.evento));
    ASSERT_GE(outros.size(), 2);
    const QString formula = QStringLiteral("fpaEvRefer(%1; %2; ; %3; \"%4\")").arg(c.evento).arg(c.estab).arg(c.func);
    const auto esperado = [&](const QStringList& codigos) {
        return soma("REFEREVENTO", doFuncionario(c)
                                       + QStringLiteral(" AND CE.CODIGOEVENTO IN (%1)").arg(codigos.join(QLatin1Char(','))));
    };
    const QStringList umSo = {outros[0].toString()};
    const QStringList dois = {outros[0].toString(), outros[1].toString()};
    // The reference is written with two decimals.
    EXPECT_NEAR(numero(formula.arg(umSo.join(QLatin1Char(';')))), esperado(umSo + QStringList{QString::number(c.evento)}),
                0.005);
    EXPECT_NEAR(numero(formula.arg(QStringLiteral(" %1 ; %2 ").arg(dois[0], dois[1]))),
                esperado(dois + QStringList{QString::number(c.evento)}), 0.005);
}

TEST_F(EventoTest, ReferenciaEmHorasTrocaDoisPontosPorVirgula)
{
    const Celula c = celula(QStringLiteral(" AND E.REFEREVENTO = 1 AND E.CODIGOPROCED = 1 AND E.CODIGOESTRUT LIKE '01.01.%'"));
    const double minutos =
        soma("REFEREVENTO", doFuncionario(c) + QStringLiteral(" AND CE.CODIGOEVENTO = %1").arg(c.evento));
    const int m = static_cast<int>(minutos);
    const QString esperado = QStringLiteral("%1,%2").arg(m / 60, 3, 10, QLatin1Char('0')).arg(m % 60, 2, 10, QLatin1Char('0'));
    EXPECT_EQ(texto(QStringLiteral("fpaEvRefer(%1; %2; ; %3)").arg(c.evento).arg(c.estab).arg(c.func)), esperado);
}

TEST_F(EventoTest, SemLinhasDaZeroENaoHaEmpresaDaVazio)
{
    EXPECT_EQ(texto(QStringLiteral("fpaEvValor(9999; 1; ; 100)")), QStringLiteral("0"));
    novaExecucao();
    dm.FCodigoEmpresa = -1;
    EXPECT_EQ(texto(QStringLiteral("fpaEvValor(100; 1; ; 100)")), QString());
    EXPECT_FALSE(dm.curCalculoEvento);
}

TEST_F(EventoTest, TextoDeSomaNegativaEVazio)
{
    const payroll::TextoEvento textoEvento(payroll::FuncoesMovimento::kEventoBase,
                                           payroll::FuncoesMovimento::kEventoRefer);
    EXPECT_EQ(textoEvento.Formatar(dm, 100, 6, -0.5, 100), QString());
    EXPECT_EQ(textoEvento.Formatar(dm, 100, 6, 0.0, 100), QStringLiteral("0"));
    EXPECT_EQ(textoEvento.Formatar(dm, 100, 6, 1234.5, 100), QStringLiteral("1234,5"));
}

TEST_F(EventoTest, EventoInexistenteNaBaseFalha)
{
    EXPECT_TRUE(avaliar(QStringLiteral("fpaEvBase(9999; 1; ; 100)")).isError());
    EXPECT_TRUE(falha().endsWith(QStringLiteral("EncontrarRegistro: Registro não encontrado"))) << falha().toStdString();
}

TEST_F(EventoTest, ConsultaQueFalhaEhRefeitaNaProximaCelula)
{
    dm.FFiliais = QStringLiteral("1..x");
    EXPECT_TRUE(avaliar(QStringLiteral("fpaEvValor(100; 1)")).isError());
    EXPECT_FALSE(dm.curCalculoEvento);
    dm.FFiliais.clear();
    EXPECT_FALSE(avaliar(QStringLiteral("fpaEvValor(100; 1)")).isError());
    EXPECT_TRUE(dm.curCalculoEvento);
}

TEST_F(EventoTest, ClasseEntreAspasValeSemAspas)
{
    const QVariantList linha = linhaSql(QStringLiteral("SELECT FL.CLASSIFORGAN, FL.CODIGOESTAB") + kEventosDoPeriodo
                                        + QStringLiteral(" AND CE.CODIGOEVENTO = 100 AND FL.CLASSIFORGAN IS NOT NULL ORDER BY 1"));
    ASSERT_EQ(linha.size(), 2);
    const QString classe = linha[0].toString();
    const double esperado = soma("VALOREVENTO", QStringLiteral(" AND CE.CODIGOEVENTO = 100 AND FL.CODIGOESTAB = %1"
                                                               " AND FL.CLASSIFORGAN = '%2'")
                                                    .arg(linha[1].toInt())
                                                    .arg(classe));
    EXPECT_NEAR(numero(QStringLiteral("fpaEvValor(100; %1; \"'%2'\")").arg(linha[1].toInt()).arg(classe)), esperado,
                kCentavos);
}

}  // namespace
