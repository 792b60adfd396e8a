#include "src/PainelHistorico.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace {

constexpr int kLarguraMinima = 90;
constexpr int kMargem = 4;

}  // namespace

PainelHistorico::PainelHistorico(const QString& modeloRodape, int alturaExtraRodape, QWidget* parent)
    : QWidget(parent), FModeloRodape(modeloRodape), FAlturaExtraRodape(alturaExtraRodape)
{
    setMouseTracking(true);
}

void PainelHistorico::preencher(const QStringList& descricoes)
{
    FDescricoes = descricoes;
    FApontadas = 0;
    updateGeometry();
    resize(sizeHint());
    update();
}

QString PainelHistorico::textoRodape() const
{
    return FApontadas > 0 ? FModeloRodape.arg(FApontadas) : QString();
}

// Lines are as high as a "W" of the font, with a little room around it.
int PainelHistorico::alturaLinha() const
{
    return QFontMetrics(font()).boundingRect(QLatin1Char('W')).height() + kMargem;
}

QRect PainelHistorico::areaLinha(int i) const
{
    const int altura = alturaLinha();
    const int extra = i == FDescricoes.size() ? FAlturaExtraRodape : 0;
    return {0, i * altura, width(), altura + extra};
}

QSize PainelHistorico::sizeHint() const
{
    const QFontMetrics medidas(font());
    int largura = std::max(kLarguraMinima, medidas.horizontalAdvance(FModeloRodape.arg(FDescricoes.size())));
    for (const QString& descricao : FDescricoes)
        largura = std::max(largura, medidas.horizontalAdvance(descricao));
    const int altura = alturaLinha() * int(FDescricoes.size() + 1) + FAlturaExtraRodape;
    return {largura + 2 * kMargem, altura};
}

int PainelHistorico::linhaEm(const QPoint& ponto) const
{
    if (!rect().contains(ponto))
        return -1;
    return std::min(int(FDescricoes.size()), ponto.y() / alturaLinha());
}

void PainelHistorico::paintEvent(QPaintEvent*)
{
    QPainter pintor(this);
    const QPalette& cores = palette();
    pintor.fillRect(rect(), cores.base());
    for (int i = 0; i < FDescricoes.size(); ++i) {
        const QRect area = areaLinha(i);
        const bool marcada = i < FApontadas;
        if (marcada)
            pintor.fillRect(area, cores.highlight());
        pintor.setPen(marcada ? cores.highlightedText().color() : cores.text().color());
        pintor.drawText(area.adjusted(kMargem, 0, -kMargem, 0), Qt::AlignVCenter | Qt::AlignLeft, FDescricoes[i]);
    }
    // The footer sits in a sunken frame.
    const QRect rodape = areaLinha(int(FDescricoes.size())).adjusted(1, 1, -2, -2);
    pintor.setPen(cores.dark().color());
    pintor.drawLine(rodape.topLeft(), rodape.topRight());
    pintor.drawLine(rodape.topLeft(), rodape.bottomLeft());
    pintor.setPen(cores.light().color());
    pintor.drawLine(rodape.bottomLeft(), rodape.bottomRight());
    pintor.drawLine(rodape.topRight(), rodape.bottomRight());
    pintor.setPen(cores.text().color());
    pintor.drawText(rodape, Qt::AlignCenter, textoRodape());
}

void PainelHistorico::mouseMoveEvent(QMouseEvent* event)
{
    const int linha = linhaEm(event->position().toPoint());
    const int apontadas = linha < 0 ? 0 : std::min(linha + 1, int(FDescricoes.size()));
    if (apontadas != FApontadas) {
        FApontadas = apontadas;
        update();
    }
}

void PainelHistorico::mouseReleaseEvent(QMouseEvent* event)
{
    const int linha = linhaEm(event->position().toPoint());
    if (event->button() == Qt::LeftButton && linha >= 0 && linha < FDescricoes.size())
        emit escolhido(linha + 1);
}

void PainelHistorico::leaveEvent(QEvent*)
{
    FApontadas = 0;
    update();
}
