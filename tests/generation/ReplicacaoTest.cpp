#include "GeracaoTeste.h"

#include "host/TnClientDataSet.h"

namespace {

// Company 1 in January 2024: three establishments, six organogram classes
// and six other companies of apportionment in the demo data.
constexpr int kEmpresa = 1;
constexpr int kPeriodo = 3;

// Event 100 of the contract in the period, 0 when it has none.
const QString kValorEvento100 = QStringLiteral(
    "COALESCE((SELECT SUM(CE.VALOREVENTO) FROM CALCULOEVENTO CE WHERE CE.CODIGOEMPRESA = FPC.CODIGOEMPRESA"
    " AND CE.CODIGOFUNCCONTR = FPC.CODIGOFUNCCONTR AND CE.CODIGOPERCALCULO = FPC.CODIGOPERCALCULO"
    " AND CE.CODIGOEVENTO = 100), 0)");

class ReplicacaoTest : public GeracaoTeste {
protected:
    void SetUp() override
    {
        GeracaoTeste::SetUp();
        parametros(modelo);
    }
    static QStringList estabelecimentos(int empresa) { return GeracaoTeste::estabelecimentos(empresa, kPeriodo); }

    static void parametros(ModeloTeste& m)
    {
        m.parametro(QStringLiteral("Empresas"), QString::number(kEmpresa));
        m.parametro(QStringLiteral("PeriodoCalculo"), QString::number(kPeriodo));
    }

    // The labels of column C, one per page row.
    static QStringList rotulos(const spreadsheet::Sheet& pagina)
    {
        QStringList textos;
        for (int row = 0; row < pagina.rowCount(); ++row) {
            textos << ModeloTeste::texto(pagina, row, C);
        }
        return textos;
    }

    // "establishment/employee" from columns A and B of the labelled rows.
    static QStringList paresDaPagina(const spreadsheet::Sheet& pagina, const QString& rotulo)
    {
        QStringList pares;
        for (int row = 0; row < pagina.rowCount(); ++row) {
            if (ModeloTeste::texto(pagina, row, C) == rotulo) {
                pares << ModeloTeste::texto(pagina, row, A) + QLatin1Char('/') + ModeloTeste::texto(pagina, row, B);
            }
        }
        return pares;
    }

    // The page of a company under "A;B" with ESTAB outside FUNC, against
    // the movement read here.
    void conferirAninhada(int empresa) const
    {
        const spreadsheet::Sheet* pagina = modelo.pagina(empresa);
        ASSERT_NE(pagina, nullptr);
        const auto contratos =
            registrosSql(movimento(QStringLiteral("FL.CODIGOESTAB, FPC.CODIGOFUNCCONTR, ") + kValorEvento100, empresa,
                                   kPeriodo, QStringLiteral("ORDER BY 1, 2")));
        const QStringList estabs = estabelecimentos(empresa);
        ASSERT_GT(estabs.size(), 1);

        // Each outer copy holds its establishment's employees; an outer
        // column gets one spare row below its last copy, above the footer.
        QStringList esperados;
        QStringList pares;
        for (const QString& estab : estabs) {
            esperados << QStringLiteral("Estabelecimento");
            for (const QVariantList& c : contratos) {
                if (c[0].toString() == estab) {
                    esperados << QStringLiteral("Funcionário");
                    pares << c[0].toString() + QLatin1Char('/') + c[1].toString();
                }
            }
            esperados << QStringLiteral("Fim");
        }
        esperados << QString() << QStringLiteral("Rodapé");
        EXPECT_EQ(rotulos(*pagina), esperados);
        EXPECT_EQ(ModeloTeste::coluna(*pagina, A, C, QStringLiteral("Estabelecimento")), estabs);
        EXPECT_EQ(ModeloTeste::coluna(*pagina, A, C, QStringLiteral("Fim")), estabs);

        EXPECT_EQ(paresDaPagina(*pagina, QStringLiteral("Funcionário")), pares);
        EXPECT_TRUE(pagina->isColumnHidden(A));
        EXPECT_TRUE(pagina->isColumnHidden(B));
        std::vector<double> valores;
        for (const QString& valor : ModeloTeste::coluna(*pagina, D, C, QStringLiteral("Funcionário"))) {
            valores.push_back(numero(valor));
        }
        ASSERT_EQ(valores.size(), contratos.size());
        for (std::size_t i = 0; i < contratos.size(); ++i) {
            EXPECT_NEAR(valores[i], contratos[i][2].toDouble(), kCentavos) << pares[int(i)].toStdString();
        }

        // Both keys are in force: an establishment row that leaves the
        // employee at -1 selects no contract at all.
        double totalDaEmpresa = 0.0;
        for (const QVariantList& c : contratos) {
            totalDaEmpresa += c[2].toDouble();
        }
        ASSERT_GT(totalDaEmpresa, 0.0);
        for (const QString& valor : ModeloTeste::coluna(*pagina, D, C, QStringLiteral("Estabelecimento"))) {
            EXPECT_EQ(numero(valor), 0.0);
        }
    }
};

TEST_F(ReplicacaoTest, AninhadaFiltraCadaBlocoInternoPeloValorExternoDeMesmaOrdem)
{
    // The second company walks the same movement, refreshed: no filter of
    // the first company's inner walk may narrow its outer one.
    modelo.parametro(QStringLiteral("Empresas"), QStringLiteral("1..2"))
        .parametro(QStringLiteral("Replicacao"), QStringLiteral("A;B"))
        .linha(0, {"ESTAB", "", "Estabelecimento", "=fpaEvValor(100;$A1;\"\";-1)"})
        .linha(1, {"...", "FUNC", "Funcionário", "=fpaEvValor(100;$A2;\"\";$B2)"})
        .linha(2, {"...", "", "Fim"})
        .linha(3, {"", "", "Rodapé"});
    ASSERT_EQ(executar(modelo), QString());
    EXPECT_EQ(dm->FIndiceQuebra, (QStringList{"CODIGOESTAB", "CODIGOFUNCCONTR"}));
    for (int empresa : {1, 2}) {
        SCOPED_TRACE(QStringLiteral("Emp%1").arg(empresa).toStdString());
        conferirAninhada(empresa);
    }
}

TEST_F(ReplicacaoTest, DuasSecoesNaMesmaColunaSaoReplicadas)
{
    modelo.parametro(QStringLiteral("Replicacao"), QStringLiteral("A"))
        .linha(0, {"ESTAB", "", "Seção 1"})
        .linha(1, {"...", "", "Fim 1"})
        .linha(3, {"FUNC", "", "Seção 2"});
    ASSERT_EQ(executar(modelo), QString());
    const spreadsheet::Sheet* pagina = modelo.pagina(kEmpresa);
    ASSERT_NE(pagina, nullptr);

    const QStringList estabs = estabelecimentos(kEmpresa);
    const QStringList funcionarios = linhasSql(movimento(QStringLiteral("FPC.CODIGOFUNCCONTR"), kEmpresa, kPeriodo,
                                                         QStringLiteral("ORDER BY FL.CODIGOESTAB, 1")));
    EXPECT_EQ(ModeloTeste::coluna(*pagina, A, C, QStringLiteral("Seção 1")), estabs);
    EXPECT_EQ(ModeloTeste::coluna(*pagina, A, C, QStringLiteral("Fim 1")), estabs);
    EXPECT_EQ(ModeloTeste::coluna(*pagina, A, C, QStringLiteral("Seção 2")), funcionarios);
    // The innermost (here: only) column inserts no spare row.
    EXPECT_EQ(pagina->rowCount(), 2 * estabs.size() + 1 + funcionarios.size());
}

TEST_F(ReplicacaoTest, SegundaSecaoAninhadaUsaOsValoresExternosSeguintes)
{
    modelo.parametro(QStringLiteral("Replicacao"), QStringLiteral("A;B"))
        .linha(0, {"ESTAB", "", "Seção 1"})
        .linha(1, {"...", "FUNC", "Funcionário 1"})
        .linha(3, {"ESTAB", "", "Seção 2"})
        .linha(4, {"...", "FUNC", "Funcionário 2"});
    ASSERT_EQ(executar(modelo), QString());
    const spreadsheet::Sheet* pagina = modelo.pagina(kEmpresa);
    ASSERT_NE(pagina, nullptr);

    const QStringList pares = linhasSql(movimento(QStringLiteral("FL.CODIGOESTAB, FPC.CODIGOFUNCCONTR"), kEmpresa,
                                                  kPeriodo, QStringLiteral("ORDER BY 1, 2")));
    ASSERT_GT(pares.size(), 1);
    EXPECT_EQ(ModeloTeste::coluna(*pagina, A, C, QStringLiteral("Seção 2")), estabelecimentos(kEmpresa));
    EXPECT_EQ(paresDaPagina(*pagina, QStringLiteral("Funcionário 1")), pares);
    EXPECT_EQ(paresDaPagina(*pagina, QStringLiteral("Funcionário 2")), pares);
}

TEST_F(ReplicacaoTest, OrganogramaEntreAspasServeDeArgumentoEPaginaFicaCongelada)
{
    modelo.parametro(QStringLiteral("Replicacao"), QStringLiteral("A"))
        .linha(0, {"ORGAN", "", "Classe", "=fpaEvValor(100;-1;$A1;-1)"})
        .linha(1, {"...", "", "Continuação"});
    ASSERT_EQ(executar(modelo), QString());
    const spreadsheet::Sheet* pagina = modelo.pagina(kEmpresa);
    ASSERT_NE(pagina, nullptr);

    const auto classes =
        registrosSql(movimento(QStringLiteral("FL.CLASSIFORGAN, SUM(") + kValorEvento100 + QLatin1Char(')'), kEmpresa,
                               kPeriodo, QStringLiteral("GROUP BY 1 ORDER BY 1")));
    ASSERT_GT(classes.size(), 1u);
    QStringList chaves;
    for (const QVariantList& c : classes) {
        chaves << QLatin1Char('\'') + c[0].toString() + QLatin1Char('\'');
    }
    EXPECT_EQ(ModeloTeste::coluna(*pagina, A, C, QStringLiteral("Classe")), chaves);
    EXPECT_EQ(ModeloTeste::coluna(*pagina, A, C, QStringLiteral("Continuação")), chaves);

    const QStringList valores = ModeloTeste::coluna(*pagina, D, C, QStringLiteral("Classe"));
    ASSERT_EQ(valores.size(), static_cast<qsizetype>(classes.size()));
    for (std::size_t i = 0; i < classes.size(); ++i) {
        EXPECT_NEAR(numero(valores[int(i)]), classes[i][1].toDouble(), kCentavos) << chaves[int(i)].toStdString();
    }

    EXPECT_TRUE(pagina->isColumnHidden(A));
    EXPECT_FALSE(pagina->isColumnHidden(C));
    EXPECT_FALSE(ModeloTeste::temFormula(*pagina));
    // The template itself is left as it was.
    EXPECT_EQ(modelo.leiaute().text(0, A), QStringLiteral("ORGAN"));
    EXPECT_TRUE(modelo.leiaute().isFormula(0, D));
    EXPECT_FALSE(modelo.leiaute().isColumnHidden(A));
}

TEST_F(ReplicacaoTest, PalavraEmMinusculasValeComoEmMaiusculas)
{
    modelo.parametro(QStringLiteral("Replicacao"), QStringLiteral("a"))
        .linha(0, {"estab", "", "Chave"})
        .linha(1, {"...", "", "Fim"});
    ASSERT_EQ(executar(modelo), QString());
    ASSERT_NE(modelo.pagina(kEmpresa), nullptr);
    EXPECT_EQ(ModeloTeste::coluna(*modelo.pagina(kEmpresa), A, C, QStringLiteral("Chave")), estabelecimentos(kEmpresa));

    // "outemp" needs the apportionment movement: keyed by other company,
    // which in the demo data differs from the establishments.
    ModeloTeste rateio;
    parametros(rateio);
    rateio.parametro(QStringLiteral("Replicacao"), QStringLiteral("A"))
        .linha(0, {"outemp", "", "Chave"})
        .linha(1, {"...", "", "Fim"});
    ASSERT_EQ(executar(rateio), QString());
    EXPECT_TRUE(dm->FTemRateio);
    const QStringList outrasEmpresas = linhasSql(
        movimento(QStringLiteral("DISTINCT CR.CODIGOOUTEMP"), kEmpresa, kPeriodo,
                  QStringLiteral("AND CR.CODIGOOUTEMP <> 0 ORDER BY 1"),
                  QStringLiteral(
                      "JOIN CALCULORATEIO CR ON CR.CODIGOEMPRESA = FPC.CODIGOEMPRESA"
                      " AND CR.CODIGOFUNCCONTR = FPC.CODIGOFUNCCONTR AND CR.CODIGOPERCALCULO = FPC.CODIGOPERCALCULO")));
    ASSERT_FALSE(outrasEmpresas.isEmpty());
    ASSERT_NE(outrasEmpresas, estabelecimentos(kEmpresa));
    ASSERT_NE(rateio.pagina(kEmpresa), nullptr);
    EXPECT_EQ(ModeloTeste::coluna(*rateio.pagina(kEmpresa), A, C, QStringLiteral("Chave")), outrasEmpresas);
    EXPECT_EQ(ModeloTeste::coluna(*rateio.pagina(kEmpresa), A, C, QStringLiteral("Fim")), outrasEmpresas);
}

}  // namespace
