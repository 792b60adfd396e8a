#pragma once

#include <spreadsheet/print/PrintJob.h>

#include <QDialog>

#include <functional>

class PaginaImpressa;
class QComboBox;
class QLabel;
class QScrollArea;
class QSpinBox;

// "Visualizar Impressão": the pages of a print job one at a time, with page
// navigation, zoom, Print and "Exportar PDF...". A page is painted only when
// it is shown, so the first page of a long report shows at once.
class VisualizacaoImpressao : public QDialog {
    Q_OBJECT
public:
    VisualizacaoImpressao(spreadsheet::print::PrintJob trabalho, std::function<void(QWidget*)> imprimir,
                          std::function<void(QWidget*)> exportarPdf, QWidget* parent);

    void irPara(int pagina);
    int pagina() const;
    int paginas() const { return FTrabalho.pageCount(); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void criarBarra();
    void aplicarZoom();

    spreadsheet::print::PrintJob FTrabalho;
    PaginaImpressa* FPagina;
    QScrollArea* FRolagem;
    QSpinBox* FNumero;
    QLabel* FTotal;
    QComboBox* FZoom;
    std::function<void(QWidget*)> FImprimir;
    std::function<void(QWidget*)> FExportar;
};
