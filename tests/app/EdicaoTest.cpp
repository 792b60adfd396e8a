// What the clerk types and reads in the cell bar and the grid's menus.
#include "EditorTeste.h"

#include "host/TnConfig.h"

#include <spreadsheet/Sheet.h>
#include <spreadsheet/widgets/SpreadsheetView.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

namespace {

using Zona = spreadsheet::widgets::SpreadsheetView::ContextZone;

TEST_F(JanelaTeste, TheCellBarSpeaksTheBrazilianConventionAndFollowsTyping)
{
    QLineEdit& caixa = principal->caixaFormula();
    caixa.setFocus();
    QTest::keyClicks(&caixa, QStringLiteral("=1,5+1"));
    QTest::keyClick(&caixa, Qt::Key_Return);
    EXPECT_EQ(folha->text(0, 0), QStringLiteral("=1.5+1"));
    EXPECT_EQ(folha->value(0, 0).number(), 2.5);
    EXPECT_EQ(caixa.text(), QStringLiteral("=1,5+1"));

    selecionar(spreadsheet::CellRange::cell(1, 0));
    spreadsheet::widgets::SpreadsheetView& grade = janela->cxSpreadBook();
    grade.setFocus();
    QTest::keyClicks(&grade, QStringLiteral("="));
    QTest::keyClicks(grade.findChild<QLineEdit*>(), QStringLiteral("SOMA("));
    EXPECT_EQ(caixa.text(), QStringLiteral("=SOMA("));
}

TEST_F(EditorTeste, TheConventionComesFromTheSettingAndAWrongOneIsReported)
{
    struct Caso {
        const char* valor;
        spreadsheet::FormulaConvention esperada;
        bool avisa;
    };
    for (const Caso& caso : {Caso{"en", spreadsheet::FormulaConvention::English, false},
                             Caso{"klingon", spreadsheet::FormulaConvention::Brazilian, true}}) {
        host::nConfig().definir(QStringLiteral("ConvencaoFormulas"), QString::fromLatin1(caso.valor));
        const auto antes = dialogos->exibidos().size();
        TVandrelPrincForm outra;
        EXPECT_EQ(outra.convencaoFormulas(), caso.esperada) << caso.valor;
        EXPECT_EQ(dialogos->exibidos().size() - antes, caso.avisa ? 1u : 0u) << caso.valor;
        EXPECT_EQ(outra.NewSheet(QString()).cxSpreadBook().formulaConvention(), caso.esperada);
    }
    host::nConfig().redefinir();
}

TEST_F(JanelaTeste, RightClickMenusOfferTheCommandsThatWorkThere)
{
    const auto legendas = [this](Zona zona) {
        QStringList lista;
        if (const std::unique_ptr<QMenu> menu = principal->menuContexto(zona))
            for (const QAction* item : menu->actions())
                lista << (item->isSeparator() ? QStringLiteral("-") : item->text());
        return lista;
    };
    const QStringList transferencia{"Recor&tar", "&Copiar", "C&olar"};
    EXPECT_EQ(legendas(Zona::Cells),
              transferencia + QStringList({"-", "Inserir...", "Excluir...", "-", "Formatar Células...", "-",
                                           "Definir Nome...", "Excluir Nome..."}));
    EXPECT_EQ(legendas(Zona::RowHeaders), transferencia + QStringList({"-", "&Inserir", "Excluir...", "-", "Ocultar",
                                                                       "Reexibir", "Mudar Altura"}));
    // The hidden column commands stay off the menu; the cells menu has their twins.
    EXPECT_EQ(legendas(Zona::ColumnHeaders),
              transferencia + QStringList({"-", "&Inserir", "Excluir...", "-", "Mudar Largura"}));
    EXPECT_EQ(legendas(Zona::SheetTabs), (QStringList{"&Inserir", "Excluir"}));
}

}  // namespace
