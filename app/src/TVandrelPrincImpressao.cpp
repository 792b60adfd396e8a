// The main window's printing commands, on the active window's print
// settings (its report link): preview, print, print area and page setup.
#include "src/TVandrelPrincForm.h"

#include "src/impressao/DialogoConfigurarPagina.h"
#include "src/impressao/Impressao.h"
#include "workbook/TVandrelFilhaForm.h"

#include "host/TnDialogos.h"

#include <spreadsheet/Reference.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

namespace {

const QString kCelulaUnica = QStringLiteral(
    "You've selected a single cell for print area.\r\n\r\nIf this is correct, click OK.\r\nIf you selected single cell "
    "by mistake, click Cancel, select the cell you want to include, and then click Set Print Area again.");

Impressao impressaoDe(TVandrelFilhaForm& janela)
{
    return Impressao(janela.workbook().activeSheet(), janela.reportLink(), janela.caminho());
}

}  // namespace

void TVandrelPrincForm::cmdVisualizar()
{
    if (TVandrelFilhaForm* janela = ativa())
        impressaoDe(*janela).visualizar(this);
}

void TVandrelPrincForm::cmdImprimir()
{
    if (TVandrelFilhaForm* janela = ativa())
        impressaoDe(*janela).imprimir(this);
}

// The area is kept as an absolute reference with its sheet, as the files
// keep it. A change of what prints is a change of the workbook.
void TVandrelPrincForm::cmdDefinirAreaImpressao()
{
    TVandrelFilhaForm* janela = ativa();
    if (!janela)
        return;
    const spreadsheet::CellRange area = janela->cxSpreadBook().selection();
    if (area.isSingleCell()
        && host::nMessageDlg(kCelulaUnica, host::TipoMensagem::Aviso, {QStringLiteral("OK"), QStringLiteral("Cancel")})
               != 0)
        return;
    const spreadsheet::AbsoluteFlags absoluta{true, true, true, true};
    janela->reportLink().printArea =
        spreadsheet::sheetPrefix(janela->workbook().activeSheet().name()) + spreadsheet::rangeText(area, absoluta, true);
    janela->MarkChanged();
    atualizarAcoes();
}

void TVandrelPrincForm::cmdLimparAreaImpressao()
{
    TVandrelFilhaForm* janela = ativa();
    if (!janela || janela->reportLink().printArea.isEmpty())
        return;
    janela->reportLink().printArea.clear();
    janela->MarkChanged();
    atualizarAcoes();
}

void TVandrelPrincForm::cmdConfigurarPagina()
{
    TVandrelFilhaForm* janela = ativa();
    if (!janela)
        return;
    DialogoConfigurarPagina dialogo(janela->reportLink(), this);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    janela->reportLink() = dialogo.settings();
    janela->MarkChanged();
    atualizarAcoes();
}
