#include "src/impressao/Impressao.h"

#include "host/TnDialogos.h"

#include <spreadsheet/Sheet.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/print/PdfExport.h>
#include <spreadsheet/print/PrintJob.h>

#include <QAction>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

namespace {

void preparar(QPrinter& impressora, const spreadsheet::print::PrintJob& trabalho)
{
    impressora.setResolution(spreadsheet::print::PrintJob::kResolution);
    impressora.setFullPage(true);
    impressora.setPageLayout(trabalho.pageLayout());
}

// The preview owns the pages it shows.
class Visualizacao : public QPrintPreviewDialog {
public:
    Visualizacao(spreadsheet::print::PrintJob trabalho, QWidget* parent)
        : QPrintPreviewDialog(parent), FTrabalho(std::move(trabalho))
    {
        preparar(*printer(), FTrabalho);
        connect(this, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* alvo) { FTrabalho.render(*alvo); });
    }

private:
    spreadsheet::print::PrintJob FTrabalho;
};

}  // namespace

Impressao::Impressao(const spreadsheet::Sheet& folha, const spreadsheet::io::PrintSettings& settings, QString arquivo)
    : FFolha(folha), FSettings(settings), FArquivo(std::move(arquivo))
{
}

void Impressao::verificar() const
{
    if (spreadsheet::print::PrintJob({&FFolha}, FSettings, FArquivo).pageCount() == 0)
        throw spreadsheet::SpreadsheetError(
            QStringLiteral("Nada a imprimir: a planilha \"%1\" está vazia.").arg(FFolha.name()));
}

std::unique_ptr<QDialog> Impressao::criarVisualizacao(QWidget* parent) const
{
    verificar();
    auto visualizacao = std::make_unique<Visualizacao>(
        spreadsheet::print::PrintJob({&FFolha}, FSettings, QFileInfo(FArquivo).fileName()), parent);
    visualizacao->setWindowTitle(QStringLiteral("Visualizar Impressão - %1").arg(FFolha.name()));
    if (auto* barra = visualizacao->findChild<QToolBar*>()) {
        barra->addSeparator();
        QAction* pdf = barra->addAction(QStringLiteral("Exportar PDF..."));
        pdf->setObjectName(QStringLiteral("actExportarPdf"));
        QDialog* dono = visualizacao.get();
        QObject::connect(pdf, &QAction::triggered, dono, [this, dono] { exportarPdf(dono); });
    }
    visualizacao->resize(900, 700);
    return visualizacao;
}

void Impressao::visualizar(QWidget* parent) const
{
    criarVisualizacao(parent)->exec();
}

void Impressao::imprimir(QWidget* parent) const
{
    verificar();
    const spreadsheet::print::PrintJob trabalho({&FFolha}, FSettings, QFileInfo(FArquivo).fileName());
    QPrinter impressora(QPrinter::ScreenResolution);
    preparar(impressora, trabalho);
    impressora.setCopyCount(std::max(1, FSettings.copies));
    QPrintDialog dialogo(&impressora, parent);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    preparar(impressora, trabalho);  // the dialog may have chosen another paper
    trabalho.render(impressora);
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
