#include "src/impressao/Impressao.h"

#include "src/impressao/VisualizacaoImpressao.h"

#include "host/TnDialogos.h"

#include <spreadsheet/Sheet.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/print/PdfExport.h>
#include <spreadsheet/print/PrintJob.h>

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

namespace {

void preparar(QPrinter& impressora, const spreadsheet::print::PrintJob& trabalho)
{
    impressora.setResolution(spreadsheet::print::PrintJob::kResolution);
    impressora.setFullPage(true);
    impressora.setPageLayout(trabalho.pageLayout());
}

}  // namespace

Impressao::Impressao(const spreadsheet::Sheet& folha, const spreadsheet::io::PrintSettings& settings, QString arquivo)
    : FFolha(folha), FSettings(settings), FArquivo(std::move(arquivo))
{
}

// Laid out once: the check of its pages is the layout the pages use.
spreadsheet::print::PrintJob Impressao::trabalho() const
{
    spreadsheet::print::PrintJob trabalho({&FFolha}, FSettings, QFileInfo(FArquivo).fileName());
    if (trabalho.pageCount() == 0)
        throw spreadsheet::SpreadsheetError(
            QStringLiteral("Nada a imprimir: a planilha \"%1\" está vazia.").arg(FFolha.name()));
    return trabalho;
}

std::unique_ptr<QDialog> Impressao::criarVisualizacao(QWidget* parent) const
{
    return std::make_unique<VisualizacaoImpressao>(
        trabalho(),
        [this](QWidget* dono) { imprimir(dono); }, [this](QWidget* dono) { exportarPdf(dono); }, parent);
}

void Impressao::visualizar(QWidget* parent) const
{
    criarVisualizacao(parent)->exec();
}

void Impressao::imprimir(QWidget* parent) const
{
    const spreadsheet::print::PrintJob paginas = trabalho();
    QPrinter impressora(QPrinter::ScreenResolution);
    preparar(impressora, paginas);
    impressora.setCopyCount(std::max(1, FSettings.copies));
    QPrintDialog dialogo(&impressora, parent);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    preparar(impressora, paginas);  // the dialog may have chosen another paper
    paginas.render(impressora);
}

bool Impressao::exportarPdf(QWidget* /*parent*/) const
{
    const QString destino = host::SelecionarArquivo(QStringLiteral("Exportar PDF"),
                                                     QStringLiteral("Documento PDF (*.pdf)"), true);
    if (destino.isEmpty())
        return false;
    const QString caminho = destino.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ? destino
                                                                                          : destino + QStringLiteral(".pdf");
    spreadsheet::print::PdfExport::write(caminho, {&FFolha}, FSettings,
                                         FArquivo.isEmpty() ? FFolha.name() : QFileInfo(FArquivo).completeBaseName());
    return true;
}
