#include "src/impressao/PaginaImpressa.h"

#include <spreadsheet/print/PrintJob.h>

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kMargem = 16;
constexpr int kSombra = 4;

}  // namespace

PaginaImpressa::PaginaImpressa(const spreadsheet::print::PrintJob& trabalho, QWidget* parent)
    : QWidget(parent), FTrabalho(trabalho)
{
    setObjectName(QStringLiteral("paginaImpressa"));
}

void PaginaImpressa::mostrar(int pagina)
{
    FPagina = std::clamp(pagina, 0, std::max(0, FTrabalho.pageCount() - 1));
    update();
}

void PaginaImpressa::definirZoom(double zoom, QSize espaco)
{
    const QSizeF papel = FTrabalho.paperPixels();
    FZoom = zoom > 0 ? zoom
                     : std::min((espaco.width() - 2.0 * kMargem - kSombra - 1) / papel.width(),
                                (espaco.height() - 2.0 * kMargem - kSombra - 1) / papel.height());
    FZoom = std::max(FZoom, 0.05);
    setFixedSize(sizeHint());
    update();
}

QSize PaginaImpressa::sizeHint() const
{
    return (FTrabalho.paperPixels() * FZoom).toSize() + QSize(2 * kMargem + kSombra, 2 * kMargem + kSombra);
}

void PaginaImpressa::paintEvent(QPaintEvent*)
{
    QPainter pintor(this);
    pintor.fillRect(rect(), palette().color(QPalette::Mid));
    const QRectF papel(kMargem, kMargem, FTrabalho.paperPixels().width() * FZoom,
                       FTrabalho.paperPixels().height() * FZoom);
    pintor.fillRect(papel.translated(kSombra, kSombra), Qt::darkGray);
    pintor.fillRect(papel, Qt::white);
    pintor.setClipRect(papel);
    pintor.translate(papel.topLeft());
    pintor.scale(FZoom, FZoom);
    pintor.setRenderHint(QPainter::Antialiasing, false);
    pintor.setRenderHint(QPainter::TextAntialiasing, true);
    FTrabalho.paintPage(pintor, FPagina);
}
