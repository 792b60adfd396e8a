#include "GeracaoTeste.h"

#include <spreadsheet/Workbook.h>

namespace {

constexpr int kPeriodo = 3;

class ExecucaoTest : public GeracaoTeste {
protected:
    void SetUp() override
    {
        GeracaoTeste::SetUp();
        modelo.porEstabelecimento(QStringLiteral("1..2"), kPeriodo).linha(1, {"...", "", "Fim"});
    }
    static QStringList estabelecimentos(int empresa) { return GeracaoTeste::estabelecimentos(empresa, kPeriodo); }
};

TEST_F(ExecucaoTest, LinhasDeProgressoDeUmaEmpresaNaOrdemDosPassos)
{
    modelo.parametro(QStringLiteral("Empresas"), QStringLiteral("1"))
        .parametro(QStringLiteral("ColunaExclusao"), QStringLiteral("D"))
        .parametro(QStringLiteral("LinhasPorPagina"), QStringLiteral("2"))
        .linha(1, {"...", "", "Fim", "=fpaEvValor(99999;$A2;\"\";-1)"});
    ASSERT_EQ(executar(modelo), QString());

    const auto& chamadas = progresso->chamadas();
    ASSERT_GE(chamadas.size(), 4u);
    EXPECT_EQ(chamadas[0].metodo, QStringLiteral("MostrarSimples"));
    EXPECT_EQ(chamadas[1], (host::ProgressoRoteiro::Chamada{QStringLiteral("ConfigurarBtnCancel"), {true}}));
    EXPECT_EQ(chamadas[2], (host::ProgressoRoteiro::Chamada{QStringLiteral("SetEhCircular"), {true}}));
    EXPECT_EQ(chamadas[3].metodo, QStringLiteral("IncProgressoTotal"));

    EXPECT_EQ(progresso->linhasComN(0),
              (QStringList{
                  "TnFpaDMPlanilha inicio TnFpaDMPlanilha.Executar",
                  "TnFpaDMPlanilha Configurações iniciais",
                  "*** Inicio Empresa: 1",
                  " Empresa: 1",
                  "Emp: 1 configurar ini",
                  "Emp: 1 criar page",
                  "Emp: 1 inicio Repl",
                  "Emp: 1 fim Repl",
                  "Emp: 1 recalc",
                  "Emp: 1 fim Excl",
                  "Emp: 1 inicio Montar Paginas",
                  "Emp: 1 fim Montar Paginas",
                  "Tirar formulas.",
                  "*** fim Empresa: 1",
              }));

    // The per-row and per-record lines come only inside the replication,
    // one per movement record.
    const QStringList linhas = progresso->linhas();
    const qsizetype inicio = linhas.indexOf(QStringLiteral("Emp: 1 inicio Repl"));
    const qsizetype fim = linhas.indexOf(QStringLiteral("Emp: 1 fim Repl"));
    EXPECT_EQ(linhas.mid(inicio + 1, fim - inicio - 1), progresso->linhasComN(100));
    const int registros = linhasSql(movimento(QStringLiteral("COUNT(*)"), 1, kPeriodo)).value(0).toInt();
    ASSERT_GT(registros, 1);
    EXPECT_EQ(linhas.count(QStringLiteral("Dados do Movimento: %1").arg(registros)), registros);
    EXPECT_EQ(progresso->linhasComN(100).value(0),
              QStringLiteral("Inicio Repl. Total Linhas: %1").arg(modelo.leiaute().rowCount()));

    // Exclusion removed the zero rows; pages were assembled.
    const spreadsheet::Sheet* pagina = modelo.pagina(1);
    ASSERT_NE(pagina, nullptr);
    EXPECT_TRUE(ModeloTeste::coluna(*pagina, A, C, QStringLiteral("Fim")).isEmpty());
    EXPECT_EQ(ModeloTeste::coluna(*pagina, A, C, QStringLiteral("Estab")), estabelecimentos(1));
    EXPECT_FALSE(pagina->pageBreaks().empty());
}

TEST_F(ExecucaoTest, SemExclusaoNemPaginasAsLinhasDessesPassosMudam)
{
    modelo.parametro(QStringLiteral("Empresas"), QStringLiteral("1"));
    ASSERT_EQ(executar(modelo), QString());
    const QStringList passos = progresso->linhasComN(0);
    EXPECT_TRUE(passos.contains(QStringLiteral("Emp: 1 fim sem Excl")));
    EXPECT_FALSE(passos.contains(QStringLiteral("Emp: 1 fim Excl")));
    EXPECT_FALSE(passos.contains(QStringLiteral("Emp: 1 inicio Montar Paginas")));
    EXPECT_EQ(passos.indexOf(QStringLiteral("Emp: 1 fim sem Excl")),
              passos.indexOf(QStringLiteral("Emp: 1 recalc")) + 1);
}

TEST_F(ExecucaoTest, CancelarNaReplicacaoDeixaAPaginaParcialERetornaNormalmente)
{
    modelo.wb.setTag(&outroDono);
    progresso->cancelarNaOcorrencia(QStringLiteral("Dados do Movimento"), 2);
    ASSERT_EQ(executar(modelo), QString());

    EXPECT_EQ(modelo.nomesDasPlanilhas(), (QStringList{"Sheet1", "Parâmetros", "Leiaute", "Emp1"}));
    const spreadsheet::Sheet* pagina = modelo.pagina(1);
    ASSERT_NE(pagina, nullptr);
    const QString primeiro = estabelecimentos(1).value(0);
    EXPECT_EQ(ModeloTeste::texto(*pagina, 0, A), primeiro);
    EXPECT_EQ(ModeloTeste::texto(*pagina, 1, A), primeiro);
    EXPECT_TRUE(ModeloTeste::temFormula(*pagina));
    EXPECT_FALSE(pagina->isColumnHidden(A));

    EXPECT_TRUE(progresso->linhas().last().startsWith(QStringLiteral("Dados do Movimento: ")));
    EXPECT_EQ(modelo.wb.tag(), nullptr);
    EXPECT_EQ(dm->curMovimento, nullptr);

    // The cancel belongs to that run only: the next one goes to the end.
    ASSERT_EQ(executar(modelo), QString());
    EXPECT_EQ(modelo.nomesDasPlanilhas(), (QStringList{"Sheet1", "Parâmetros", "Leiaute", "Emp1", "Emp2"}));
    EXPECT_FALSE(ModeloTeste::temFormula(*modelo.pagina(1)));
    EXPECT_EQ(ModeloTeste::coluna(*modelo.pagina(1), A, C, QStringLiteral("Estab")), estabelecimentos(1));
}

TEST_F(ExecucaoTest, CancelarEntreEmpresasGuardaAsPaginasProntas)
{
    progresso->cancelarNaOcorrencia(QStringLiteral(" Empresa: 2"), 1);
    ASSERT_EQ(executar(modelo), QString());

    EXPECT_EQ(modelo.nomesDasPlanilhas(), (QStringList{"Sheet1", "Parâmetros", "Leiaute", "Emp1"}));
    EXPECT_FALSE(ModeloTeste::temFormula(*modelo.pagina(1)));
    EXPECT_TRUE(modelo.pagina(1)->isColumnHidden(A));
    EXPECT_FALSE(progresso->linhas().contains(QStringLiteral("Emp: 2 configurar ini")));
}

TEST_F(ExecucaoTest, SegundaExecucaoSubstituiAsPaginasNoFimDaLista)
{
    ASSERT_EQ(executar(modelo), QString());
    ASSERT_NE(modelo.pagina(1), nullptr);
    const QStringList primeira = ModeloTeste::coluna(*modelo.pagina(1), A, C, QStringLiteral("Estab"));
    ASSERT_EQ(primeira, estabelecimentos(1));
    modelo.pagina(1)->setText(40, E, QStringLiteral("antiga"));
    modelo.wb.addSheet(QStringLiteral("Notas"));
    modelo.wb.setActiveSheet(0);

    ASSERT_EQ(executar(modelo), QString());
    EXPECT_EQ(modelo.nomesDasPlanilhas(), (QStringList{"Sheet1", "Parâmetros", "Leiaute", "Notas", "Emp1", "Emp2"}));
    EXPECT_EQ(ModeloTeste::texto(*modelo.pagina(1), 40, E), QString());
    EXPECT_EQ(ModeloTeste::coluna(*modelo.pagina(1), A, C, QStringLiteral("Estab")), primeira);
    EXPECT_EQ(ModeloTeste::coluna(*modelo.pagina(2), A, C, QStringLiteral("Estab")), estabelecimentos(2));
    EXPECT_EQ(modelo.wb.activeSheetIndex(), 2);
    EXPECT_EQ(dm->curMovimento, nullptr);
    EXPECT_EQ(dm->curCalculoEvento, nullptr);
}

TEST_F(ExecucaoTest, ListaOuFaixaDePeriodosMarcaMultiplosPeriodos)
{
    struct Caso {
        const char* periodos;
        bool multiplos;
    };
    // Alternating, so each run must compute the flag again.
    for (const Caso& caso : {Caso{"1..3", true}, Caso{"5", false}, Caso{"4;7", true}}) {
        ModeloTeste simples;
        simples.parametro(QStringLiteral("Empresas"), QStringLiteral("1"))
            .parametro(QStringLiteral("PeriodoCalculo"), QString::fromLatin1(caso.periodos));
        ASSERT_EQ(executar(simples), QString()) << caso.periodos;
        EXPECT_EQ(dm->FEhMultiplosPeriodoCalculo, caso.multiplos) << caso.periodos;
        EXPECT_EQ(dm->FPeriodoCalculo, QString::fromLatin1(caso.periodos));
        EXPECT_NE(simples.pagina(1), nullptr) << caso.periodos;
    }
}

}  // namespace
