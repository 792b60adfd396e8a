#include "src/formatar/AmostraBordas.h"

#include "src/formatar/GradeCores.h"

#include <spreadsheet/render/BorderLinePainter.h>

#include <QMouseEvent>
#include <QPainter>

#include <array>

namespace {

using spreadsheet::AreaBorders;
using spreadsheet::BorderSide;

// Each side's line in the area's borders and in a style change, in the
// order of AmostraBordas::Lado.
struct Membros {
    BorderSide AreaBorders::*borda;
    std::optional<BorderSide> spreadsheet::StyleChange::*mudanca;
};

using SC = spreadsheet::StyleChange;
constexpr std::array<Membros, AmostraBordas::kLados> kMembros{{
    {&AreaBorders::left, &SC::left},
    {&AreaBorders::top, &SC::top},
    {&AreaBorders::right, &SC::right},
    {&AreaBorders::bottom, &SC::bottom},
    {&AreaBorders::insideVertical, &SC::insideVertical},
    {&AreaBorders::insideHorizontal, &SC::insideHorizontal},
}};

constexpr int kMargem = 18;
constexpr int kAlcance = 7;  // how near a click must be to a line
constexpr QSize kTamanho(200, 130);

}  // namespace

AmostraBordas::AmostraBordas(bool variasColunas, bool variasLinhas, QWidget* parent)
    : QWidget(parent), FVariasColunas(variasColunas), FVariasLinhas(variasLinhas)
{
    setObjectName(QStringLiteral("amostraBordas"));
    setCursor(Qt::PointingHandCursor);
}

BorderSide AreaBorders::*AmostraBordas::lado(int lado)
{
    return kMembros.at(std::size_t(lado)).borda;
}

std::optional<BorderSide> spreadsheet::StyleChange::*AmostraBordas::mudanca(int lado)
{
    return kMembros.at(std::size_t(lado)).mudanca;
}

bool AmostraBordas::tem(int lado) const
{
    return (lado != InternaVertical || FVariasColunas) && (lado != InternaHorizontal || FVariasLinhas);
}

void AmostraBordas::mostrar(const AreaBorders& bordas)
{
    FBordas = bordas;
    update();
}

QSize AmostraBordas::sizeHint() const
{
    return kTamanho;
}

QRect AmostraBordas::area() const
{
    return rect().adjusted(kMargem, kMargem, -kMargem, -kMargem);
}

QRect AmostraBordas::linha(int lado) const
{
    const QRect a = area();
    const QPoint meio = a.center();
    switch (lado) {
    case Esquerda:
        return {a.left(), a.top(), 1, a.height()};
    case Superior:
        return {a.left(), a.top(), a.width(), 1};
    case Direita:
        return {a.right(), a.top(), 1, a.height()};
    case Inferior:
        return {a.left(), a.bottom(), a.width(), 1};
    case InternaVertical:
        return {meio.x(), a.top(), 1, a.height()};
    default:
        return {a.left(), meio.y(), a.width(), 1};
    }
}

void AmostraBordas::paintEvent(QPaintEvent*)
{
    QPainter pintor(this);
    pintor.fillRect(rect(), Qt::white);
    const QRect a = area();
    // Corner marks show where the area's lines go.
    pintor.setPen(Qt::gray);
    for (const QPoint& canto : {a.topLeft(), a.topRight(), a.bottomLeft(), a.bottomRight()}) {
        pintor.drawLine(canto.x() - 6, canto.y(), canto.x() - 2, canto.y());
        pintor.drawLine(canto.x() + 2, canto.y(), canto.x() + 6, canto.y());
        pintor.drawLine(canto.x(), canto.y() - 6, canto.x(), canto.y() - 2);
        pintor.drawLine(canto.x(), canto.y() + 2, canto.x(), canto.y() + 6);
    }
    const int colunas = FVariasColunas ? 2 : 1, linhas = FVariasLinhas ? 2 : 1;
    for (int c = 0; c < colunas; ++c) {
        for (int l = 0; l < linhas; ++l) {
            const QRect celula(a.left() + c * a.width() / colunas, a.top() + l * a.height() / linhas,
                               a.width() / colunas, a.height() / linhas);
            pintor.drawText(celula, Qt::AlignCenter, QStringLiteral("Texto"));
        }
    }
    for (int l = 0; l < kLados; ++l) {
        if (!tem(l)) {
            continue;
        }
        const BorderSide& s = FBordas.*kMembros[std::size_t(l)].borda;
        const bool vertical = l == Esquerda || l == Direita || l == InternaVertical;
        // Lines on the far edges grow outwards, so that they stay inside the
        // picture's frame as in the grid they grow into the next cell.
        const int largura = spreadsheet::render::borderLineWidth(s.line);
        QRect faixa = linha(l);
        if (l == Direita || l == Inferior) {
            faixa.translate(vertical ? 1 - largura : 0, vertical ? 0 : 1 - largura);
        }
        spreadsheet::render::paintBorderLine(pintor, faixa, vertical, s.line,
                                              GradeCores::paraTela(s.color, Qt::black));
    }
}

void AmostraBordas::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    int melhor = -1, distancia = kAlcance + 1;
    for (int l = 0; l < kLados; ++l) {
        const QRect faixa = linha(l);
        const bool vertical = faixa.width() == 1;
        const bool dentro = vertical ? p.y() >= faixa.top() && p.y() <= faixa.bottom()
                                     : p.x() >= faixa.left() && p.x() <= faixa.right();
        const int d = vertical ? std::abs(p.x() - faixa.left()) : std::abs(p.y() - faixa.top());
        if (tem(l) && dentro && d < distancia) {
            melhor = l;
            distancia = d;
        }
    }
    if (melhor >= 0) {
        emit clicado(melhor);
    }
}
