#include "src/ArranjoJanelas.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

QList<QMdiSubWindow*> abertas(const QMdiArea& area, bool minimizadas)
{
    QList<QMdiSubWindow*> lista;
    for (QMdiSubWindow* janela : area.subWindowList()) {
        if (janela->isVisible() && janela->isMinimized() == minimizadas) {
            lista << janela;
        }
    }
    return lista;
}

}  // namespace

void ArranjoJanelas::ladoALado(QMdiArea& area, Qt::Orientation orientacao)
{
    const QList<QMdiSubWindow*> janelas = abertas(area, false);
    if (janelas.isEmpty()) {
        return;
    }
    const QRect espaco = area.viewport()->rect();
    const auto quantas = static_cast<int>(janelas.size());
    const bool empilhadas = orientacao == Qt::Horizontal;
    const int total = empilhadas ? espaco.height() : espaco.width();
    for (int i = 0; i < quantas; ++i) {
        // The last window takes the pixels that the division left over.
        const int inicio = total * i / quantas;
        const int tamanho = total * (i + 1) / quantas - inicio;
        QMdiSubWindow* janela = janelas.at(i);
        janela->showNormal();
        janela->setGeometry(empilhadas ? QRect(0, inicio, espaco.width(), tamanho)
                                       : QRect(inicio, 0, tamanho, espaco.height()));
    }
}

void ArranjoJanelas::arrumarIcones(QMdiArea& area)
{
    const QRect espaco = area.viewport()->rect();
    int x = 0;
    int base = espaco.bottom() + 1;
    for (QMdiSubWindow* janela : abertas(area, true)) {
        const QSize tamanho = janela->size();
        if (x > 0 && x + tamanho.width() > espaco.width()) {
            x = 0;
            base -= tamanho.height();
        }
        janela->move(x, base - tamanho.height());
        x += tamanho.width();
    }
}
