// The printing commands on the active window's print settings.
#include "EditorTeste.h"

#include "src/impressao/DialogoConfigurarPagina.h"

#include <spreadsheet/io/WorkbookFile.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {

using spreadsheet::CellRange;

using ImpressaoTest = JanelaTeste;

TEST_F(ImpressaoTest, ASingleCellAreaIsAskedAboutInEnglish)
{
    selecionar(CellRange::cell(1, 1));
    dialogos->responderBotao(QStringLiteral("Cancel"));
    disparar("actSetPrintArea");
    EXPECT_TRUE(janela->reportLink().printArea.isEmpty());
    EXPECT_FALSE(janela->changed());
    ASSERT_EQ(dialogos->exibidos().size(), 1u);
    EXPECT_TRUE(dialogos->exibidos().front().texto.startsWith(QStringLiteral("You've selected a single cell")));
    EXPECT_EQ(dialogos->exibidos().front().tipo, host::TipoMensagem::Aviso);
    dialogos->responderBotao(QStringLiteral("OK"));
    disparar("actSetPrintArea");
    EXPECT_EQ(janela->reportLink().printArea, QStringLiteral("Sheet1!$B$2:$B$2"));
    selecionar({0, 0, 3, 9});
    disparar("actSetPrintArea");  // no question for an area
    EXPECT_EQ(janela->reportLink().printArea, QStringLiteral("Sheet1!$A$1:$D$10"));
    EXPECT_TRUE(janela->changed());
    disparar("actClearPrintArea");
    EXPECT_TRUE(janela->reportLink().printArea.isEmpty());
}

// Confirmed, the dialog's settings go to the window and with the file;
// cancelled, nothing changes.
TEST_F(ImpressaoTest, PageSetupConfirmedMarksTheWorkbookAndTravelsWithIt)
{
    const auto responder = [](bool ok) {
        aoAbrirModal([ok](QWidget* d) {
            d->findChild<QRadioButton*>(QStringLiteral("rbPaisagem"))->setChecked(true);
            d->findChild<QRadioButton*>(QStringLiteral("rbAjustar"))->setChecked(true);
            d->findChild<QSpinBox*>(QStringLiteral("spnLargura"))->setValue(1);
            d->findChild<QCheckBox*>(QStringLiteral("chkGrade"))->setChecked(true);
            d->findChild<QDialogButtonBox*>()->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        });
    };
    responder(false);
    disparar("actPrintSetup");
    EXPECT_FALSE(janela->changed());
    EXPECT_FALSE(janela->reportLink().landscape);
    responder(true);
    disparar("actPrintSetup");
    EXPECT_TRUE(janela->changed());
    const spreadsheet::io::PrintSettings escolhido = janela->reportLink();
    EXPECT_TRUE(escolhido.landscape);
    EXPECT_EQ(escolhido.fitPagesWide, 1);
    EXPECT_TRUE(escolhido.printGridLines);
    principal->cxSpreadBookSaveToFile(caminho(QStringLiteral("p.nxs")));
    EXPECT_EQ(spreadsheet::io::WorkbookFile::load(caminho(QStringLiteral("p.nxs"))).printSettings, escolhido);
}

}  // namespace
