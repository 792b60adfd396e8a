#include "BaseMinima.h"
#include "GeracaoTeste.h"

namespace {

using Contrato = BaseMinima::Contrato;

// Runs on a database holding only the movement rows each case lists.
class MovimentoMinimoTest : public GeracaoTeste {
protected:
    void SetUp() override
    {
        GeracaoTeste::SetUp();
        modelo.parametro(QStringLiteral("Empresas"), QStringLiteral("1"))
            .parametro(QStringLiteral("PeriodoCalculo"), QStringLiteral("1"))
            .parametro(QStringLiteral("Replicacao"), QStringLiteral("a"));
    }

    void usar(const std::vector<int>& empresas, const std::vector<Contrato>& contratos)
    {
        base = std::make_unique<BaseMinima>(empresas, contratos);
        conectar(base->conexao());
    }

    std::unique_ptr<BaseMinima> base;
};

// Establishment 1 has three contracts (one in another organogram class),
// establishment 2 one, and one contract has no establishment (key 0).
const std::vector<Contrato> kTresEstabelecimentos{
    {1, 10, 1, QStringLiteral("01"), 10.5}, {1, 11, 1, QStringLiteral("01"), 20.25},
    {1, 12, 1, QStringLiteral("02"), 30.0}, {1, 13, 2, QStringLiteral("01"), 40.0},
    {1, 14, 0, QStringLiteral("01"), 50.0},
};

TEST_F(MovimentoMinimoTest, ChaveZeroNuncaSeReplicaERegistrosDaMesmaChaveFazemUmaCopia)
{
    usar({1}, kTresEstabelecimentos);
    modelo.linha(0, {"ESTAB", "", "Estab", "=fpaEvValor(100;$A1;\"\";-1)"})
        .linha(1, {"...", "", "Fim"})
        .linha(2, {"", "", "Rodapé"});
    ASSERT_EQ(executar(modelo), QString());
    const spreadsheet::Sheet* pagina = modelo.pagina(1);
    ASSERT_NE(pagina, nullptr);

    const QStringList chaves{QStringLiteral("1"), QStringLiteral("2")};
    EXPECT_EQ(ModeloTeste::coluna(*pagina, A, C, QStringLiteral("Estab")), chaves);
    EXPECT_EQ(ModeloTeste::coluna(*pagina, A, C, QStringLiteral("Fim")), chaves);
    // One further copy of the two-row block, and the footer below it.
    EXPECT_EQ(pagina->rowCount(), modelo.leiaute().rowCount() + 2);
    EXPECT_EQ(ModeloTeste::texto(*pagina, pagina->rowCount() - 1, C), QStringLiteral("Rodapé"));
    EXPECT_TRUE(ModeloTeste::coluna(*pagina, A, A, QStringLiteral("0")).isEmpty());

    const QStringList valores = ModeloTeste::coluna(*pagina, D, C, QStringLiteral("Estab"));
    ASSERT_EQ(valores.size(), chaves.size());
    for (int i = 0; i < chaves.size(); ++i) {
        const int estab = chaves[i].toInt();
        EXPECT_NEAR(numero(valores[i]), base->soma([estab](const Contrato& c) { return c.estab == estab; }), kCentavos);
    }
}

TEST_F(MovimentoMinimoTest, MenosUmNaChaveReplicadaNaoSomaNada)
{
    usar({1}, kTresEstabelecimentos);
    modelo.linha(0, {"ESTAB", "", "Estab", "=fpaEvValor(100;-1;\"\";-1)", "=fpaEvValor(100;$A1;\"\";11)"});
    ASSERT_EQ(executar(modelo), QString());
    const spreadsheet::Sheet* pagina = modelo.pagina(1);
    ASSERT_NE(pagina, nullptr);

    ASSERT_GT(base->soma([](const Contrato&) { return true; }), 0.0);
    const QStringList semEstab = ModeloTeste::coluna(*pagina, D, C, QStringLiteral("Estab"));
    ASSERT_EQ(semEstab.size(), 2);
    for (const QString& valor : semEstab) {
        EXPECT_EQ(numero(valor), 0.0);
    }
    // The employee is no replicated key: the cell's 11 is not applied, and
    // each establishment's whole sum comes back.
    const QStringList comEstab = ModeloTeste::coluna(*pagina, E, C, QStringLiteral("Estab"));
    ASSERT_EQ(comEstab.size(), 2);
    for (int estab : {1, 2}) {
        EXPECT_NEAR(numero(comEstab[estab - 1]), base->soma([estab](const Contrato& c) { return c.estab == estab; }),
                    kCentavos);
    }
}

TEST_F(MovimentoMinimoTest, UmUnicoRegistroPreencheOBlocoNoLugar)
{
    usar({1}, {{1, 10, 3, QStringLiteral("01"), 5.0}});
    modelo.linha(0, {"ESTAB", "", "Estab"})
        .linha(1, {"...", "", "Meio"})
        .linha(2, {"...", "", "Fim"})
        .linha(3, {"", "", "Rodapé"});
    ASSERT_EQ(executar(modelo), QString());
    const spreadsheet::Sheet* pagina = modelo.pagina(1);
    ASSERT_NE(pagina, nullptr);

    EXPECT_EQ(pagina->rowCount(), modelo.leiaute().rowCount());
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(ModeloTeste::texto(*pagina, row, A), QStringLiteral("3")) << "linha " << row;
    }
    EXPECT_EQ(ModeloTeste::texto(*pagina, 3, C), QStringLiteral("Rodapé"));
    EXPECT_EQ(ModeloTeste::texto(*pagina, 3, A), QString());
}

TEST_F(MovimentoMinimoTest, EmpresaSemMovimentoNaoTemPaginaEPerdeAAnterior)
{
    usar({1, 2}, {{1, 10, 1, QStringLiteral("01"), 5.0}});
    modelo.parametro(QStringLiteral("Empresas"), QStringLiteral("1..2")).linha(0, {"ESTAB", "", "Estab"});
    modelo.wb.addSheet(QStringLiteral("Emp2")).setText(0, 0, QStringLiteral("execução anterior"));
    ASSERT_EQ(executar(modelo), QString());

    EXPECT_EQ(modelo.nomesDasPlanilhas(), (QStringList{"Sheet1", "Parâmetros", "Leiaute", "Emp1"}));
    const QStringList linhas = progresso->linhas();
    EXPECT_TRUE(linhas.contains(QStringLiteral("Emp: 2 configurar ini")));
    EXPECT_FALSE(linhas.contains(QStringLiteral("Emp: 2 criar page")));
    EXPECT_FALSE(linhas.contains(QStringLiteral("*** fim Empresa: 2")));
    EXPECT_TRUE(linhas.contains(QStringLiteral("*** fim Empresa: 1")));
}

}  // namespace
