#include "AplicacaoTeste.h"

#include "gui/ProgressoJanela.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

QStringList textos(const QListWidget* lista)
{
    QStringList linhas;
    for (int i = 0; i < lista->count(); ++i) {
        linhas.append(lista->item(i)->text());
    }
    return linhas;
}

class ProgressoJanelaTeste : public ::testing::Test {
protected:
    // No throttling, so that every line lets the pending events through.
    gui::ProgressoJanela janela{std::chrono::milliseconds(0)};
    int cancelamentos = 0;

    void SetUp() override
    {
        // In the run's order: the window first, then its cancel.
        janela.MostrarSimples(nullptr);
        janela.ConfigurarBtnCancel([this] { ++cancelamentos; });
    }
};

TEST_F(ProgressoJanelaTeste, MostraJanelaModalComBotaoCancelarQueEscapeTambemAciona)
{
    EXPECT_TRUE(janela.isVisible());
    EXPECT_EQ(janela.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(janela.botaoCancelar()->text(), QStringLiteral("Cancelar"));
    QTest::keyClick(&janela, Qt::Key_Escape);  // cancels without closing
    EXPECT_EQ(cancelamentos, 1);
    EXPECT_TRUE(janela.isVisible());
    janela.Fechar();
    EXPECT_FALSE(janela.isVisible());
}

TEST_F(ProgressoJanelaTeste, CliqueEmCancelarEntreDuasLinhasChamaOTratador)
{
    janela.IncProgressoTotal(QStringLiteral("Empresa 1"), 0);
    QTest::mouseClick(janela.botaoCancelar(), Qt::LeftButton);
    EXPECT_EQ(cancelamentos, 1);
    janela.IncProgressoTotal(QStringLiteral("Empresa 2"), 0);
    EXPECT_EQ(cancelamentos, 1);
}

TEST_F(ProgressoJanelaTeste, UmaNovaOperacaoComecaSemAsLinhasNemOCancelamentoDaAnterior)
{
    janela.IncProgressoTotal(QStringLiteral("Empresa 1"), 0);
    QTest::mouseClick(janela.botaoCancelar(), Qt::LeftButton);
    EXPECT_FALSE(janela.botaoCancelar()->isEnabled());
    janela.Fechar();
    janela.MostrarSimples(nullptr);
    EXPECT_EQ(janela.linhas()->count(), 0);
    EXPECT_TRUE(janela.botaoCancelar()->isEnabled());
    EXPECT_EQ(janela.botaoCancelar()->text(), QStringLiteral("Cancelar"));
    QTest::keyClick(&janela, Qt::Key_Escape);
    EXPECT_EQ(cancelamentos, 1);  // the handler went with its operation
}

TEST_F(ProgressoJanelaTeste, CliquePendenteEAtendidoDuranteOProcessamento)
{
    // The click is queued as the run would see it: it only arrives if the
    // next progress line lets events through.
    QTimer::singleShot(0, janela.botaoCancelar(), &QPushButton::click);
    janela.IncProgressoTotal(QStringLiteral("Lendo funcionários"), 0);
    EXPECT_EQ(cancelamentos, 1);
}

TEST_F(ProgressoJanelaTeste, LinhasEmOrdemComSequenciasCondensadas)
{
    janela.IncProgressoTotal(QStringLiteral("Empresa 12"), 0);
    janela.IncProgressoTotal(QStringLiteral("Funcionário 1"), 1);
    janela.IncProgressoTotal(QStringLiteral("Funcionário 2"), 1);
    janela.IncProgressoTotal(QStringLiteral("Funcionário 3"), 1);
    janela.LimparExibirCountTotal();
    janela.IncProgressoTotal(QStringLiteral("Estabelecimento 1"), 1);
    janela.IncProgressoTotal(QStringLiteral("Recalculando"), 0);
    EXPECT_EQ(textos(janela.linhas()),
              (QStringList{QStringLiteral("Empresa 12"), QStringLiteral("Funcionário 3 (\u00d73)"),
                           QStringLiteral("Estabelecimento 1"), QStringLiteral("Recalculando")}));
}

}  // namespace
