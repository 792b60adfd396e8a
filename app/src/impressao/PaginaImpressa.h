#pragma once

#include <QWidget>

namespace spreadsheet::print {
class PrintJob;
}

// One page of a print job on screen, as white paper with a shadow, at a
// zoom. Only the page shown is painted, so a long report shows at once.
class PaginaImpressa : public QWidget {
    Q_OBJECT
public:
    PaginaImpressa(const spreadsheet::print::PrintJob& trabalho, QWidget* parent);

    void mostrar(int pagina);
    int pagina() const { return FPagina; }
    // 0 fits the whole page in `espaco`.
    void definirZoom(double zoom, QSize espaco);
    double zoom() const { return FZoom; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const spreadsheet::print::PrintJob& FTrabalho;
    int FPagina = 0;
    double FZoom = 1.0;
};
