// The toolbar's formatting commands, driven as the clerk does: a selection,
// a button, the workbook afterwards.
#include "EditorTeste.h"

#include <spreadsheet/CellFormatting.h>
#include <spreadsheet/History.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QGridLayout>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>

namespace {

using spreadsheet::CellRange;
using spreadsheet::HorizontalAlignment;

class ComandosTest : public JanelaTeste {
protected:
    void SetUp() override
    {
        JanelaTeste::SetUp();
        janela->workbook().history().clear();
    }
    bool marcada(const char* nome) { return principal->acao(QString::fromLatin1(nome))->isChecked(); }
};

const CellRange kB2C3{1, 1, 2, 2};

TEST_F(ComandosTest, BoldFollowsTheButtonOverAMixedSelectionAndTheToolbarFollowsTheCell)
{
    folha->formatCells(CellRange::cell(2, 2), [](spreadsheet::CellStyle& s) { s.font.bold = true; });
    janela->workbook().history().clear();
    selecionar(kB2C3);
    EXPECT_FALSE(marcada("actBold"));  // the top-left cell is not bold
    disparar("actBold");
    for (int row = 1; row <= 2; ++row)
        for (int column = 1; column <= 2; ++column)
            EXPECT_TRUE(folha->style(row, column).font.bold) << row << ',' << column;
    disparar("actBold");
    EXPECT_FALSE(folha->style(2, 2).font.bold);

    disparar("actCellRightAlign");
    EXPECT_EQ(folha->style(1, 2).alignHorz, HorizontalAlignment::Right);
    EXPECT_TRUE(marcada("actCellRightAlign"));
    selecionar(CellRange::cell(5, 5));
    EXPECT_FALSE(marcada("actCellRightAlign"));
    EXPECT_EQ(janela->workbook().history().GetUndoActionCount(), 3);  // one action per command
}

TEST_F(ComandosTest, TheUsualKeysComeWhereTheTableGivesNone)
{
    const std::vector<std::pair<const char*, const char*>> teclas{
        {"actUndo", "Ctrl+Z"}, {"actRedo", "Ctrl+Y"}, {"actBold", "Ctrl+B"}, {"actItalic", "Ctrl+I"},
        {"actUnderline", "Ctrl+U"}, {"actFormatCells", "Ctrl+1"}, {"actOpenSpreadSheet", "Ctrl+O"}};
    for (const auto& [nome, tecla] : teclas)
        EXPECT_EQ(principal->acao(QString::fromLatin1(nome))->shortcut(), QKeySequence(QString::fromLatin1(tecla)))
            << nome;
}

TEST_F(ComandosTest, TheFontAndSizeBoxesFormatTheSelectionAndABadSizeIsIgnored)
{
    selecionar(kB2C3);
    QComboBox& tamanho = principal->caixaTamanho();
    tamanho.setEditText(QStringLiteral("14"));
    EXPECT_EQ(folha->style(2, 2).font.size, 14);
    const int acoes = janela->workbook().history().GetUndoActionCount();
    tamanho.setEditText(QString());
    EXPECT_EQ(folha->style(2, 2).font.size, 14);
    EXPECT_EQ(janela->workbook().history().GetUndoActionCount(), acoes);
    principal->findChild<QComboBox*>(QStringLiteral("cbxFont"))->setEditText(QStringLiteral("Arial"));
    EXPECT_EQ(folha->style(1, 1).font.name, QStringLiteral("Arial"));
    EXPECT_NE(folha->style(3, 1).font.name, QStringLiteral("Arial"));
}

TEST_F(ComandosTest, SummaryMergeAndRowsWorkOnTheSelection)
{
    const CellRange kB2C5{1, 1, 2, 4};
    folha->setValue(1, 2, 3.0);
    folha->setValue(4, 2, 4.0);
    selecionar(kB2C5);
    disparar("actSum");
    EXPECT_EQ(folha->text(5, 2), QStringLiteral("=SUM(B2:C5)"));  // into C6
    EXPECT_EQ(folha->value(5, 2).number(), 7.0);
    disparar("actRowIns");  // where row 5 was: its cells move down
    EXPECT_EQ(folha->value(5, 2).number(), 4.0);
    EXPECT_TRUE(folha->value(4, 2).isEmpty());

    selecionar(kB2C3);
    disparar("actHideRow");
    EXPECT_TRUE(folha->isRowHidden(1) && folha->isRowHidden(2));
    EXPECT_FALSE(folha->isRowHidden(0) || folha->isRowHidden(3));
    disparar("actShowCells");
    EXPECT_FALSE(folha->isRowHidden(1) || folha->isRowHidden(2));
    disparar("actMergeCells");
    EXPECT_EQ(folha->mergedAreas(), std::vector<CellRange>{kB2C3});
}

TEST_F(ComandosTest, TheBorderListHasTwelvePresetsInFourColumns)
{
    auto* lista = principal->findChild<QMenu*>(QStringLiteral("pmBorders"));
    ASSERT_NE(lista, nullptr);
    auto* disposicao = lista->findChild<QGridLayout*>();
    ASSERT_NE(disposicao, nullptr);
    EXPECT_EQ(disposicao->count(), 12);
    EXPECT_EQ(disposicao->columnCount(), 4);
    selecionar(kB2C3);
    lista->findChild<QToolButton*>(QStringLiteral("borda3"))->click();  // thin bottom
    EXPECT_EQ(folha->style(3, 1).borderTop, spreadsheet::BorderLine::Thin);
    EXPECT_EQ(folha->style(3, 2).borderTop, spreadsheet::BorderLine::Thin);
    EXPECT_EQ(janela->workbook().history().GetUndoActionCount(), 1);
}

TEST_F(ComandosTest, AWidthThatIsNoNumberIsTenPixelsAndMarksTheWorkbook)
{
    selecionar({1, 0, 3, 0});  // B1:D1
    dialogos->responderTexto(QStringLiteral("abc"));
    disparar("actMudarLarguraCol");
    ASSERT_EQ(dialogos->exibidos().size(), 1u);
    EXPECT_EQ(dialogos->exibidos().front().titulo, QStringLiteral("Coluna"));
    EXPECT_EQ(dialogos->exibidos().front().texto, QStringLiteral("Largura em pixel:"));
    for (int column = 1; column <= 3; ++column)
        EXPECT_EQ(folha->columnWidth(column), 10);
    EXPECT_NE(folha->columnWidth(4), 10);
    EXPECT_TRUE(janela->changed());
}

TEST_F(ComandosTest, TheOnlySheetIsNotDeleted)
{
    spreadsheet::Workbook& pasta = janela->workbook();
    while (pasta.sheetCount() > 1)
        disparar("actSheetDel");
    EXPECT_TRUE(dialogos->exibidos().empty());
    disparar("actSheetDel");
    EXPECT_EQ(pasta.sheetCount(), 1);
    ASSERT_EQ(dialogos->exibidos().size(), 1u);
    EXPECT_TRUE(dialogos->exibidos().front().texto.contains(QStringLiteral("única")));
    disparar("actSheetIns");
    EXPECT_EQ(pasta.sheetCount(), 2);
}

// The insert and delete cells dialog, answered by a timer while it is modal.
TEST_F(ComandosTest, TheCellsDialogStartsOnItsFirstChoiceAndMovesTheCellsItNames)
{
    for (int row = 0; row < 5; ++row)
        folha->setValue(row, 1, row + 1.0);  // B1:B5 hold 1 to 5
    selecionar(kB2C3);
    QString aberta;
    const auto responder = [&aberta](const char* escolha, bool confirmar) {
        aoAbrirModal([&aberta, escolha, confirmar](QWidget* dialogo) {
            for (QRadioButton* botao : dialogo->findChildren<QRadioButton*>())
                if (botao->isChecked())
                    aberta = botao->text();
            dialogo->findChild<QRadioButton*>(QString::fromLatin1(escolha))->setChecked(true);
            dialogo->findChild<QPushButton*>(QString::fromLatin1(confirmar ? "btnOk" : "btnCancel"))->click();
        });
    };
    responder("rbRw", false);
    disparar("actInsertCells");
    EXPECT_EQ(aberta, QStringLiteral("Deslocar células para baixo"));
    EXPECT_EQ(folha->value(1, 1).number(), 2.0);  // Cancel changes nothing

    responder("rbRw", true);
    disparar("actDeleteCells");
    EXPECT_EQ(aberta, QStringLiteral("Deslocar células para a esquerda"));  // not the last choice
    EXPECT_EQ(folha->value(1, 1).number(), 4.0);  // rows 2 and 3 are gone

    responder("rbShiftCol", true);
    disparar("actInsertCells");  // down: B2:C3 blank, the old B2 now in B4
    EXPECT_TRUE(folha->value(1, 1).isEmpty());
    EXPECT_EQ(folha->value(3, 1).number(), 4.0);
}

// What the user touches changes over the whole area, the rest stays as
// each cell has it; Cancel changes nothing.
TEST_F(ComandosTest, TheFormatCellsDialogAppliesWhatWasTouchedAsOneAction)
{
    folha->setValue(1, 1, 1234.5);
    folha->formatCells(CellRange::cell(2, 2), [](spreadsheet::CellStyle& s) { s.font.bold = true; });
    janela->workbook().history().clear();
    selecionar(kB2C3);
    QString exemplo;
    int pagina = -1;
    const auto responder = [&](bool confirmar) {
        aoAbrirModal([&, confirmar](QWidget* dialogo) {
            pagina = dialogo->findChild<QTabWidget*>(QStringLiteral("tabPaginas"))->currentIndex();
            dialogo->findChild<QListWidget*>(QStringLiteral("lstCategorias"))->setCurrentRow(2);  // Moeda
            exemplo = dialogo->findChild<QLabel*>(QStringLiteral("lblExemplo"))->text();
            auto* vertical = dialogo->findChild<QComboBox*>(QStringLiteral("cbxVertical"));
            vertical->setCurrentIndex(2);
            emit vertical->activated(2);
            dialogo->findChild<QCheckBox*>(QStringLiteral("chkQuebrar"))->click();
            dialogo->findChild<QCheckBox*>(QStringLiteral("chkRiscado"))->click();
            dialogo->findChild<QWidget*>(QStringLiteral("gradeFundo"))
                ->findChild<QToolButton*>(QStringLiteral("corFFFF00"))
                ->click();
            dialogo->findChild<QPushButton*>(QStringLiteral("btnContorno"))->click();
            auto* botoes = dialogo->findChild<QDialogButtonBox*>();
            botoes->button(confirmar ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        });
    };
    responder(false);
    disparar("actFormatCells");
    EXPECT_EQ(folha->style(1, 1), folha->defaultStyle());
    EXPECT_EQ(pagina, 0);
    EXPECT_EQ(exemplo, QStringLiteral("R$ 1.234,50"));

    responder(true);
    disparar("actFormatCells");
    const spreadsheet::CellStyle& c3 = folha->style(2, 2);
    EXPECT_EQ(c3.numberFormat, QStringLiteral("\"R$\" #,##0.00"));
    EXPECT_EQ(c3.alignVert, spreadsheet::VerticalAlignment::Top);
    EXPECT_TRUE(c3.wrapText);
    EXPECT_TRUE(c3.font.strikeOut);
    EXPECT_TRUE(c3.font.bold);  // untouched, so C3 keeps it and B2 does not get it
    EXPECT_FALSE(folha->style(1, 1).font.bold);
    EXPECT_EQ(c3.fill, spreadsheet::CellColor::rgb(0xFFFF00));
    const spreadsheet::AreaBorders linhas = spreadsheet::CellFormatting::bordersOf(*folha, kB2C3);
    for (const spreadsheet::BorderSide& lado : {linhas.left, linhas.top, linhas.right, linhas.bottom})
        EXPECT_EQ(lado.line, spreadsheet::BorderLine::Thin);
    EXPECT_EQ(linhas.insideVertical.line, spreadsheet::BorderLine::None);
    ASSERT_EQ(janela->workbook().history().GetUndoActionCount(), 1);
    disparar("actUndo");
    EXPECT_EQ(folha->style(2, 2).fill, spreadsheet::CellColor{});
    EXPECT_EQ(spreadsheet::CellFormatting::bordersOf(*folha, kB2C3).right.line, spreadsheet::BorderLine::None);
}

TEST_F(ComandosTest, FindAndReplaceSelectTheFoundCellAndSayHowManyChanged)
{
    folha->setText(3, 2, QStringLiteral("Adicional noturno"), spreadsheet::TextMode::Plain);
    spreadsheet::Sheet& outra = janela->workbook().sheet(0);
    outra.setText(6, 1, QStringLiteral("adicional"), spreadsheet::TextMode::Plain);
    disparar("LocalizareSubstituir");
    auto* dialogo = principal->findChild<QDialog*>(QStringLiteral("DialogoLocalizar"));
    ASSERT_NE(dialogo, nullptr);
    dialogo->findChild<QLineEdit*>(QStringLiteral("edtLocalizar"))->setText(QStringLiteral("adicional"));
    dialogo->findChild<QLineEdit*>(QStringLiteral("edtSubstituir"))->setText(QStringLiteral("Extra"));
    dialogo->findChild<QComboBox*>(QStringLiteral("cbxDentroDe"))->setCurrentIndex(1);  // the whole workbook
    dialogo->findChild<QPushButton*>(QStringLiteral("btnProxima"))->click();
    EXPECT_EQ(janela->cxSpreadBook().selection(), CellRange::cell(3, 2));
    dialogo->findChild<QPushButton*>(QStringLiteral("btnProxima"))->click();  // on to the first sheet
    EXPECT_EQ(janela->workbook().activeSheetIndex(), 0);
    EXPECT_EQ(janela->cxSpreadBook().selection(), CellRange::cell(6, 1));
    dialogo->findChild<QPushButton*>(QStringLiteral("btnSubstituirTudo"))->click();
    EXPECT_EQ(dialogo->findChild<QLabel*>(QStringLiteral("lblSituacao"))->text(), QStringLiteral("2 células substituídas."));
    EXPECT_EQ(folha->text(3, 2), QStringLiteral("Extra noturno"));
    EXPECT_EQ(outra.text(6, 1), QStringLiteral("Extra"));
}

// A command of a dialog that fails says why in a message, and the editor
// goes on with the cell as it was.
TEST_F(ComandosTest, AReplacementThatCannotBeMadeIsShownAndChangesNothing)
{
    folha->setText(3, 2, QStringLiteral("adicional noturno"), spreadsheet::TextMode::Plain);
    disparar("LocalizareSubstituir");
    auto* dialogo = principal->findChild<QDialog*>(QStringLiteral("DialogoLocalizar"));
    ASSERT_NE(dialogo, nullptr);
    dialogo->findChild<QLineEdit*>(QStringLiteral("edtLocalizar"))->setText(QStringLiteral("adicional"));
    // The most a line edit takes; with the rest of the cell it is too long.
    dialogo->findChild<QLineEdit*>(QStringLiteral("edtSubstituir"))->setText(QString(32767, u'x'));
    dialogo->findChild<QPushButton*>(QStringLiteral("btnSubstituirTudo"))->click();
    EXPECT_EQ(dialogos->textos(), QStringList{QStringLiteral(
                                      "Texto longo demais para uma célula: 32.775 caracteres (o limite é 32.767).")});
    EXPECT_EQ(folha->text(3, 2), QStringLiteral("adicional noturno"));
}

}  // namespace
