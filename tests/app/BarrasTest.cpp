// The toolbars' drop-down lists and buttons.
#include "EditorTeste.h"

#include "src/PainelHistorico.h"

#include <spreadsheet/History.h>
#include <spreadsheet/Sheet.h>

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

class BarrasTeste : public EditorTeste {
protected:
    QToolButton* botao(const char* barra, const char* acao) const
    {
        auto* toolbar = principal->findChild<QToolBar*>(QString::fromLatin1(barra));
        return qobject_cast<QToolButton*>(toolbar->widgetForAction(principal->acao(QString::fromLatin1(acao))));
    }

    // Opens the button's list as a click on its arrow would.
    static PainelHistorico* abrirLista(QToolButton* botao)
    {
        QMenu* lista = botao->menu();
        lista->popup(botao->mapToGlobal(QPoint(0, botao->height())));
        return lista->findChild<PainelHistorico*>();
    }
};

TEST_F(BarrasTeste, TheUndoListUndoesEveryLineUpToTheOneClicked)
{
    TVandrelFilhaForm& janela = principal->NewSheet(QString());
    spreadsheet::Sheet& folha = janela.workbook().activeSheet();
    for (int linha = 0; linha < 4; ++linha)
        folha.setText(linha, 0, QString::number(linha + 1));
    QToolButton* desfazer = botao("tlbHistory", "actUndo");
    ASSERT_NE(desfazer->menu(), nullptr);
    EXPECT_EQ(desfazer->menu()->objectName(), QStringLiteral("pmUndo"));
    PainelHistorico* painel = abrirLista(desfazer);
    ASSERT_NE(painel, nullptr);
    ASSERT_EQ(painel->descricoes().size(), 4);
    EXPECT_EQ(painel->descricoes().front(), janela.workbook().history().GetUndoAction(0));

    QTest::mouseMove(painel, painel->areaLinha(2).center());
    EXPECT_EQ(painel->apontadas(), 3);
    EXPECT_EQ(painel->textoRodape(), QStringLiteral("Undo 3 Actions"));
    QTest::mouseMove(painel, painel->areaLinha(4).center());  // the footer takes every line
    EXPECT_EQ(painel->textoRodape(), QStringLiteral("Undo 4 Actions"));
    QTest::mouseClick(painel, Qt::LeftButton, {}, painel->areaLinha(4).center());
    EXPECT_EQ(janela.workbook().history().GetUndoActionCount(), 4) << "a click on the footer undid something";

    QTest::mouseClick(painel, Qt::LeftButton, {}, painel->areaLinha(2).center());
    EXPECT_EQ(janela.workbook().history().GetUndoActionCount(), 1);
    EXPECT_EQ(folha.text(0, 0), QStringLiteral("1"));
    EXPECT_TRUE(folha.text(1, 0).isEmpty());
    EXPECT_FALSE(desfazer->menu()->isVisible());

    PainelHistorico* refazer = abrirLista(botao("tlbHistory", "actRedo"));
    ASSERT_EQ(refazer->descricoes().size(), 3);
    QTest::mouseClick(refazer, Qt::LeftButton, {}, refazer->areaLinha(1).center());
    EXPECT_EQ(folha.text(2, 0), QStringLiteral("3"));
    EXPECT_TRUE(folha.text(3, 0).isEmpty());
    EXPECT_EQ(janela.workbook().history().GetRedoActionCount(), 1);
}

TEST_F(BarrasTeste, AnEmptyHistoryListsOnlyTheFooter)
{
    principal->NewSheet(QString());
    PainelHistorico* painel = abrirLista(botao("tlbHistory", "actUndo"));
    EXPECT_TRUE(painel->descricoes().isEmpty());
    EXPECT_GE(painel->sizeHint().width(), 90);
    EXPECT_EQ(painel->areaLinha(0).height(), painel->areaLinha(1).height() + principal->FSummaryItemHeight);
    QTest::mouseClick(painel, Qt::LeftButton, {}, painel->areaLinha(0).center());
    EXPECT_TRUE(painel->textoRodape().isEmpty());
}

TEST_F(BarrasTeste, TheTableToolbarCarriesTheFormulaListAndTheBordersButton)
{
    auto* soma = principal->findChild<QToolButton*>(QStringLiteral("tbSummary"));
    ASSERT_NE(soma, nullptr);
    EXPECT_EQ(soma->toolTip(), QStringLiteral("Fórmulas"));
    ASSERT_NE(soma->menu(), nullptr);
    EXPECT_EQ(soma->menu()->objectName(), QStringLiteral("pmSummary"));
    QStringList itens;
    for (QAction* item : soma->menu()->actions().mid(0, 6))
        itens << (item->isSeparator() ? QStringLiteral("-") : item->objectName());
    EXPECT_EQ(itens, (QStringList{"actSum", "actAverage", "actCount", "actMax", "actMin", "-"}));

    auto* bordas = principal->findChild<QToolButton*>(QStringLiteral("tbBorderStyle"));
    ASSERT_NE(bordas, nullptr);
    EXPECT_EQ(bordas->toolTip(), QStringLiteral("Bordas"));
    EXPECT_EQ(bordas->menu()->objectName(), QStringLiteral("pmBorders"));
}

TEST_F(BarrasTeste, AtMostOneAlignmentButtonIsDown)
{
    QAction* esquerda = principal->acao(QStringLiteral("actCellLeftAlign"));
    QAction* direita = principal->acao(QStringLiteral("actCellRightAlign"));
    esquerda->setChecked(true);
    direita->setChecked(true);
    EXPECT_FALSE(esquerda->isChecked());
    direita->setChecked(false);
    EXPECT_FALSE(direita->isChecked() || esquerda->isChecked());
}

}  // namespace
