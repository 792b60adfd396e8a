#include "MovimentoTeste.h"

#include "QuebraFolha.h"

#include "host/TnConfig.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

constexpr double kCentavos = 1e-5;

// The competence of period 3 of company 1.
const QString kMesDoPeriodo =
    QStringLiteral("(SELECT COMPET FROM PERIODOCALCULO WHERE CODIGOEMPRESA = 1 AND CODIGOPERCALCULO = 3)");

class ProvisaoTest : public MovimentoTeste {
protected:
    void TearDown() override
    {
        host::nConfig().redefinir();
        MovimentoTeste::TearDown();
    }

    void chaves(const char* usar, const char* contabilizar)
    {
        host::nConfig().definir(QStringLiteral("UsarProvisaoFeriasAntiga"), QString::fromLatin1(usar));
        host::nConfig().definir(QStringLiteral("ContabilizaProvisaoFeriasAntiga"), QString::fromLatin1(contabilizar));
    }

    // The demo writes the same amounts into both vacation tables; moving
    // the old table's balance lets a case tell which table was read.
    void deslocarSaldoAntigo(double quanto)
    {
        const QString nome = QStringLiteral("movimento-edicao");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
            db.setDatabaseName(conexao().mid(QStringLiteral("sqlite:").size()));
            ASSERT_TRUE(db.open());
            QSqlQuery query(db);
            ASSERT_TRUE(query.exec(QStringLiteral("UPDATE PROVISAOFERIAS SET SALDO = SALDO + %1"
                                                  " WHERE CODIGOEMPRESA = 1 AND CODIGOFUNCCONTR = 100").arg(quanto)));
        }
        QSqlDatabase::removeDatabase(nome);
    }

    static double somaDoMes(const char* coluna, const char* tabela)
    {
        return somaSql(QStringLiteral("SELECT SUM(P.%1) FROM %2 P WHERE P.CODIGOEMPRESA = 1 AND P.CODIGOFUNCCONTR = 100"
                                      " AND P.COMPET = %3")
                           .arg(QLatin1String(coluna), QLatin1String(tabela), kMesDoPeriodo));
    }
};

TEST_F(ProvisaoTest, FeriasLeATabelaAntigaSoComAsDuasChaves)
{
    deslocarSaldoAntigo(1000.0);
    chaves("1", "1");
    const double antiga = somaDoMes("SALDO", "PROVISAOFERIAS");
    EXPECT_NEAR(numero(QStringLiteral("fpaProvFer(25; ; ; 100)")), antiga, kCentavos);

    novaExecucao();
    chaves("1", "0");
    const double emDias = somaDoMes("SALDOFINALREMUNERACAO", "PROVISAOFERIASEMDIAS");
    ASSERT_NE(antiga, emDias) << "the two tables must differ for the case to tell them apart";
    EXPECT_NEAR(numero(QStringLiteral("fpaProvFer(25; ; ; 100)")), emDias, kCentavos);
    EXPECT_NEAR(numero(QStringLiteral("fpaProvFer(29; ; ; 100)")), somaDoMes("SALDOFINALPIS", "PROVISAOFERIASEMDIAS"),
                kCentavos);
    deslocarSaldoAntigo(-1000.0);
}

TEST_F(ProvisaoTest, DecimoTerceiroColunasEChaves)
{
    EXPECT_EQ(texto(QStringLiteral("fpaProv13Sal(31; ; ; 100)")), QStringLiteral("Campo não existe."));
    EXPECT_EQ(texto(QStringLiteral("fpaProv13Sal()")), QStringLiteral("Campo não existe."));
    const spreadsheet::Value adiantamento = avaliar(QStringLiteral("fpaProv13Sal(30; ; ; 100)"));
    ASSERT_TRUE(adiantamento.isNumber());
    EXPECT_NEAR(adiantamento.number(), somaDoMes("ADIANTFGTS", "PROVISAO13"), kCentavos);
    // Number 0 reaches the key column of the employee: one row of the month.
    const double linhas = somaSql(QStringLiteral("SELECT COUNT(*) FROM PROVISAO13 P WHERE P.CODIGOEMPRESA = 1"
                                                 " AND P.CODIGOFUNCCONTR = 100 AND P.COMPET = ") + kMesDoPeriodo);
    EXPECT_EQ(numero(QStringLiteral("fpaProv13Sal(0; ; ; 100)")), 100.0 * linhas);
}

TEST_F(ProvisaoTest, VariosPeriodosSomamTodosOsMeses)
{
    dm.FPeriodoCalculo = QStringLiteral("3..5");
    dm.FEhMultiplosPeriodoCalculo = true;
    const double esperado = somaSql(QStringLiteral(
        "SELECT SUM(P.ADIANTFGTS) FROM PROVISAO13 P WHERE P.CODIGOEMPRESA = 1 AND P.CODIGOFUNCCONTR = 100"
        " AND P.COMPET IN (SELECT COMPET FROM PERIODOCALCULO WHERE CODIGOEMPRESA = 1 AND CODIGOPERCALCULO BETWEEN 3 AND 5)"));
    EXPECT_NEAR(numero(QStringLiteral("fpaProv13Sal(30; ; ; 100)")), esperado, kCentavos);
}

TEST_F(ProvisaoTest, SemEmpresaAindaRecarregaACompetencia)
{
    const QDateTime marca(QDate(2000, 1, 1), QTime(0, 0));
    dm.FCompetencia = {marca, marca};
    dm.FCodigoEmpresa = -1;
    EXPECT_EQ(texto(QStringLiteral("fpaProvFer(25; ; ; 100)")), QString());
    EXPECT_NE(dm.FCompetencia[0], marca);
    EXPECT_FALSE(dm.curProvisaoFerias);
}

TEST_F(ProvisaoTest, RateadaSomaAsParcelasDoFuncionario)
{
    const double esperado = somaSql(QStringLiteral("SELECT SUM(P.MES) FROM PROVISAO13RAT P WHERE P.CODIGOEMPRESA = 1"
                                                   " AND P.CODIGOFUNCCONTR = 100 AND P.COMPET = ") + kMesDoPeriodo);
    EXPECT_NEAR(numero(QStringLiteral("fpaProv13SalRat(7; ; ; ; ; 100)")), esperado, kCentavos);
}

class QuebraTest : public MovimentoTeste {
protected:
    static QStringList campos(const host::TnQuebra& quebra)
    {
        QStringList nomes;
        for (const auto& par : quebra.GetValores())
            nomes << par.campo;
        return nomes;
    }
};

TEST_F(QuebraTest, SemReplicacaoEntramSoOsArgumentosDados)
{
    const host::TnQuebra quebra = dm.CriarQuebra(2, 100, QStringLiteral("01.02"), -1, 7.0, 35, false);
    EXPECT_EQ(campos(quebra), (QStringList{"CODIGOEMPRESA", "CODIGOESTAB", "CODIGOCENTROCUSTO", "CLASSIFORGAN",
                                           "CODIGOFUNCCONTR", "CODIGOEVENTO"}));
    EXPECT_EQ(quebra.GetValores()[3].valor.toString(), QStringLiteral("01.02"));
    EXPECT_EQ(campos(dm.CriarQuebra(-1, -1, {}, -1, -1.0, -1, false)), QStringList{"CODIGOEMPRESA"});
}

TEST_F(QuebraTest, ReplicacaoImpoeSeusCamposNaSuaOrdem)
{
    dm.FIndiceQuebra = QStringList{"CODIGOFUNCCONTR", "CLASSIFORGAN", "DESCONHECIDO", "CODIGOESTAB"};
    const host::TnQuebra quebra = dm.CriarQuebra(-1, 100, {}, 4, -1.0, -1, false);
    EXPECT_EQ(campos(quebra), (QStringList{"CODIGOEMPRESA", "CODIGOFUNCCONTR", "CLASSIFORGAN", "CODIGOESTAB"}));
    EXPECT_EQ(quebra.GetValores()[3].valor.toInt(), -1);
}

TEST_F(QuebraTest, UmPeriodoRestringeASuaCompetencia)
{
    const host::TnQuebra quebra = dm.CriarQuebra(-1, -1, {}, -1, -1.0, -1, true);
    ASSERT_EQ(campos(quebra), (QStringList{"CODIGOEMPRESA", "COMPET"}));
    EXPECT_EQ(quebra.GetValores()[1].valor.toDateTime().date(), QDate(2024, 1, 1));
    dm.FEhMultiplosPeriodoCalculo = true;
    EXPECT_EQ(campos(dm.CriarQuebra(-1, -1, {}, -1, -1.0, -1, true)), QStringList{"CODIGOEMPRESA"});
}

TEST_F(QuebraTest, CompetenciasDeVariosMesesUmParPorMes)
{
    dm.FPeriodoCalculo = QStringLiteral("3..5");
    const host::TnQuebra quebra = dm.CriarQuebra(-1, -1, {}, -1, -1.0, -1, true);
    ASSERT_EQ(campos(quebra), (QStringList{"CODIGOEMPRESA", "COMPET", "COMPET", "COMPET"}));
    EXPECT_EQ(quebra.GetValores()[3].valor.toDateTime().date(), QDate(2024, 3, 1));
    // The walk moved the first competence; the next load puts it back.
    EXPECT_GT(dm.FCompetencia[0], dm.FCompetencia[1]);
    dm.CarregarCompetencia();
    EXPECT_EQ(dm.FCompetencia[0].date(), QDate(2024, 1, 1));
}

TEST_F(QuebraTest, AplicarQuebraMostraSoOBloco)
{
    host::TnClientDataSet dados({{QStringLiteral("CODIGOEMPRESA"), host::FieldType::Integer},
                                 {QStringLiteral("CODIGOESTAB"), host::FieldType::Integer},
                                 {QStringLiteral("VALOR"), host::FieldType::Float}});
    const int linhas[][2] = {{1, 2}, {2, 1}, {1, 1}, {1, 2}, {1, 3}};
    for (const auto& linha : linhas) {
        dados.appendInteger(0, linha[0]);
        dados.appendInteger(1, linha[1]);
        dados.appendFloat(2, 1.0);
    }
    dados.finishLoad();
    // The run may have indexed the same fields in other capitals.
    dados.SetIndexFieldNames(QStringLiteral("CodigoEmpresa;CodigoEstab"));
    for (const auto& [estab, linhasNoBloco] : {std::pair{2, 2}, std::pair{3, 1}, std::pair{2, 2}}) {
        dm.AplicarQuebra(dados, dm.CriarQuebra(estab, -1, {}, -1, -1.0, -1, false));
        EXPECT_EQ(dados.GetIndexFieldNames(), QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"));
        EXPECT_EQ(dados.RecordCount(), linhasNoBloco) << estab;
        for (dados.First(); !dados.Eof(); dados.Next())
            EXPECT_EQ(dados.FieldByName(QStringLiteral("CODIGOESTAB")).AsInteger(), estab);
    }
}

class MovimentoPgTest : public MovimentoTestePg {};

TEST_F(MovimentoPgTest, ValorEProvisaoNoPostgres)
{
    const double valor = somaSql(QStringLiteral(
        "SELECT SUM(CE.VALOREVENTO) FROM CALCULOEVENTO CE JOIN FUNCPERCALCULO FP ON FP.CODIGOEMPRESA = CE.CODIGOEMPRESA"
        " AND FP.CODIGOFUNCCONTR = CE.CODIGOFUNCCONTR AND FP.CODIGOPERCALCULO = CE.CODIGOPERCALCULO"
        " WHERE CE.CODIGOEMPRESA = 1 AND CE.CODIGOPERCALCULO = 3 AND CE.CODIGOFUNCCONTR = 100 AND CE.CODIGOEVENTO = 100"));
    EXPECT_NEAR(numero(QStringLiteral("fpaEvValor(100; ; ; 100)")), valor, kCentavos);
    const double adiantamento = somaSql(QStringLiteral("SELECT SUM(P.ADIANTFGTS) FROM PROVISAO13 P WHERE P.CODIGOEMPRESA = 1"
                                                       " AND P.CODIGOFUNCCONTR = 100 AND P.COMPET = ") + kMesDoPeriodo);
    EXPECT_NEAR(numero(QStringLiteral("fpaProv13Sal(30; ; ; 100)")), adiantamento, kCentavos);
}

}  // namespace
