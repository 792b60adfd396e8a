#include "src/IconesBarra.h"

#include <spreadsheet/CellFormatting.h>

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>
#include <map>

namespace {

using Desenho = std::function<void(QPainter&)>;

const QColor kTinta(0x30, 0x30, 0x30);
const QColor kPapel(Qt::white);
const QColor kAzul(0x2a, 0x5d, 0xb0);
const QColor kAmarelo(0xe8, 0xc0, 0x50);
const QColor kVermelho(0xc0, 0x30, 0x30);

void folha(QPainter& p, const QRectF& r)
{
    QPainterPath contorno;
    contorno.moveTo(r.topLeft());
    contorno.lineTo(r.right() - 4, r.top());
    contorno.lineTo(r.right(), r.top() + 4);
    contorno.lineTo(r.bottomRight());
    contorno.lineTo(r.bottomLeft());
    contorno.closeSubpath();
    p.setBrush(kPapel);
    p.setPen(kTinta);
    p.drawPath(contorno);
}

void linhas(QPainter& p, const QList<std::pair<int, int>>& trechos)
{
    p.setPen(QPen(kTinta, 1.5));
    int y = 3;
    for (const auto& [x0, x1] : trechos) {
        p.drawLine(QPointF(x0, y + 0.5), QPointF(x1, y + 0.5));
        y += 3;
    }
}

void letra(QPainter& p, const QString& texto, bool negrito, bool italico, bool sublinhado, bool riscado)
{
    QFont fonte(QStringLiteral("Serif"));
    fonte.setPixelSize(14);
    fonte.setBold(negrito);
    fonte.setItalic(italico);
    fonte.setUnderline(sublinhado);
    fonte.setStrikeOut(riscado);
    p.setFont(fonte);
    p.setPen(kTinta);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, texto);
}

void seta(QPainter& p, bool paraTras)
{
    p.setPen(QPen(kAzul, 2));
    p.setBrush(Qt::NoBrush);
    const QRectF arco(3, 4, 10, 9);
    p.drawArc(arco, paraTras ? 30 * 16 : 150 * 16, paraTras ? 200 * 16 : -200 * 16);
    p.setBrush(kAzul);
    p.setPen(Qt::NoPen);
    const qreal x = paraTras ? 2 : 14;
    const qreal d = paraTras ? 4 : -4;
    p.drawPolygon(QPolygonF{{x, 3}, {x + d, 8}, {x - d * 0.2, 9}});
}

void grade(QPainter& p, bool mesclada)
{
    p.setPen(kTinta);
    p.setBrush(kPapel);
    p.drawRect(1, 3, 14, 10);
    p.drawLine(1, 8, 15, 8);
    if (!mesclada)
        p.drawLine(8, 3, 8, 13);
    else
        p.drawLine(8, 8, 8, 13);
    p.setPen(QPen(kAzul, 1.5));
    if (mesclada) {
        p.drawLine(QPointF(3, 5.5), QPointF(13, 5.5));
    } else {
        p.drawLine(QPointF(3, 5.5), QPointF(6, 5.5));
        p.drawLine(QPointF(10, 5.5), QPointF(13, 5.5));
    }
}

void ordem(QPainter& p, const QString& cima, const QString& baixo)
{
    QFont fonte;
    fonte.setPixelSize(7);
    fonte.setBold(true);
    p.setFont(fonte);
    p.setPen(kTinta);
    p.drawText(QRect(0, 0, 8, 8), Qt::AlignCenter, cima);
    p.drawText(QRect(0, 8, 8, 8), Qt::AlignCenter, baixo);
    p.setPen(QPen(kAzul, 1.5));
    p.drawLine(QPointF(12, 2), QPointF(12, 14));
    p.drawLine(QPointF(9.5, 11), QPointF(12, 14));
    p.drawLine(QPointF(14.5, 11), QPointF(12, 14));
}

void etiqueta(QPainter& p, bool apagar)
{
    p.setPen(kTinta);
    p.setBrush(kAmarelo);
    p.drawPolygon(QPolygonF{{1, 5}, {5, 2}, {15, 2}, {15, 10}, {5, 10}});
    p.setBrush(kPapel);
    p.drawEllipse(QPointF(5, 6), 1.2, 1.2);
    if (apagar) {
        p.setPen(QPen(kVermelho, 2));
        p.drawLine(8, 9, 14, 15);
        p.drawLine(14, 9, 8, 15);
    }
}

const std::map<QString, Desenho>& desenhos()
{
    static const std::map<QString, Desenho> tabela{
        {QStringLiteral("actNew"), [](QPainter& p) { folha(p, {3, 1, 10, 14}); }},
        {QStringLiteral("actOpenSpreadSheet"),
         [](QPainter& p) {
             p.setPen(kTinta);
             p.setBrush(kAmarelo);
             p.drawPolygon(QPolygonF{{1, 3}, {6, 3}, {7, 5}, {14, 5}, {14, 13}, {1, 13}});
             p.setBrush(kAmarelo.lighter(120));
             p.drawPolygon(QPolygonF{{3, 7}, {15.5, 7}, {14, 13}, {1, 13}});
         }},
        {QStringLiteral("tbsSave"),
         [](QPainter& p) {
             p.setPen(kTinta);
             p.setBrush(kAzul);
             p.drawRect(1, 1, 14, 14);
             p.setBrush(kPapel);
             p.drawRect(4, 1, 8, 5);
             p.drawRect(3, 9, 10, 6);
         }},
        {QStringLiteral("actCut"),
         [](QPainter& p) {
             p.setPen(QPen(kTinta, 1.2));
             p.drawLine(4, 1, 10, 10);
             p.drawLine(12, 1, 6, 10);
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(4.5, 12), 2.5, 2.5);
             p.drawEllipse(QPointF(11.5, 12), 2.5, 2.5);
         }},
        {QStringLiteral("actCopy"),
         [](QPainter& p) {
             folha(p, {1, 1, 9, 11});
             folha(p, {6, 4, 9, 11});
         }},
        {QStringLiteral("actPaste"),
         [](QPainter& p) {
             p.setPen(kTinta);
             p.setBrush(kAmarelo);
             p.drawRect(1, 2, 11, 13);
             p.setBrush(QColor(0x80, 0x80, 0x80));
             p.drawRect(4, 1, 5, 3);
             folha(p, {7, 6, 8, 9});
         }},
        {QStringLiteral("actCellLeftAlign"), [](QPainter& p) { linhas(p, {{2, 14}, {2, 10}, {2, 14}, {2, 10}}); }},
        {QStringLiteral("actCellCenterAlign"), [](QPainter& p) { linhas(p, {{2, 14}, {4, 12}, {2, 14}, {4, 12}}); }},
        {QStringLiteral("actCellRightAlign"), [](QPainter& p) { linhas(p, {{2, 14}, {6, 14}, {2, 14}, {6, 14}}); }},
        {QStringLiteral("actBold"), [](QPainter& p) { letra(p, QStringLiteral("N"), true, false, false, false); }},
        {QStringLiteral("actItalic"), [](QPainter& p) { letra(p, QStringLiteral("I"), true, true, false, false); }},
        {QStringLiteral("actUnderline"), [](QPainter& p) { letra(p, QStringLiteral("S"), true, false, true, false); }},
        {QStringLiteral("actStrikeOut"), [](QPainter& p) { letra(p, QStringLiteral("ab"), false, false, false, true); }},
        {QStringLiteral("actUndo"), [](QPainter& p) { seta(p, true); }},
        {QStringLiteral("actRedo"), [](QPainter& p) { seta(p, false); }},
        {QStringLiteral("actMergeCells"), [](QPainter& p) { grade(p, true); }},
        {QStringLiteral("actSplitCells"), [](QPainter& p) { grade(p, false); }},
        {QStringLiteral("actSum"), [](QPainter& p) { letra(p, QStringLiteral("Σ"), true, false, false, false); }},
        {QStringLiteral("actSortAscending"), [](QPainter& p) { ordem(p, QStringLiteral("A"), QStringLiteral("Z")); }},
        {QStringLiteral("actSortDescending"), [](QPainter& p) { ordem(p, QStringLiteral("Z"), QStringLiteral("A")); }},
        {QStringLiteral("tbBorderStyle"),
         [](QPainter& p) {
             p.setPen(QPen(QColor(0xa0, 0xa0, 0xa0), 1, Qt::DotLine));
             p.drawLine(8, 2, 8, 14);
             p.drawLine(2, 8, 14, 8);
             p.setPen(QPen(kTinta, 1.5));
             p.setBrush(Qt::NoBrush);
             p.drawRect(QRectF(2, 2, 12, 12));
         }},
        {QStringLiteral("actFormatCells"),
         [](QPainter& p) {
             grade(p, false);
             letra(p, QStringLiteral("A"), true, false, false, false);
         }},
        {QStringLiteral("actDefineName"), [](QPainter& p) { etiqueta(p, false); }},
        {QStringLiteral("actDeleteName"), [](QPainter& p) { etiqueta(p, true); }},
    };
    return tabela;
}

// A picture at one and two device pixels per point, drawn by `desenho`.
QIcon figuras(QSize tamanho, const Desenho& desenho, bool suave)
{
    QIcon icone;
    for (const int escala : {1, 2}) {
        QPixmap figura(tamanho * escala);
        figura.setDevicePixelRatio(escala);
        figura.fill(Qt::transparent);
        QPainter pintor(&figura);
        pintor.setRenderHint(QPainter::Antialiasing, suave);
        desenho(pintor);
        pintor.end();
        icone.addPixmap(figura);
    }
    return icone;
}

// The four cells, faint, then the lines of the preset over them.
void desenharBorda(QPainter& p, const spreadsheet::BorderPreset& linhas)
{
    const QRectF quadro(1, 6, 12, 12);
    p.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 1, Qt::DotLine));
    p.drawRect(quadro);
    p.drawLine(QPointF(7, 6), QPointF(7, 18));
    p.drawLine(QPointF(1, 12), QPointF(13, 12));
    const auto linha = [&p](const std::optional<spreadsheet::BorderLine>& tipo, QPointF de, QPointF ate) {
        if (!tipo || *tipo == spreadsheet::BorderLine::None)
            return;
        if (*tipo == spreadsheet::BorderLine::Double) {
            // Two thin lines, one each side of the edge.
            const QPointF lado = de.x() == ate.x() ? QPointF(1, 0) : QPointF(0, 1);
            p.setPen(QPen(kTinta, 1.0));
            p.drawLine(de - lado, ate - lado);
            p.drawLine(de + lado, ate + lado);
            return;
        }
        p.setPen(QPen(kTinta, *tipo == spreadsheet::BorderLine::Thin ? 1.0 : 2.0));
        p.drawLine(de, ate);
    };
    linha(linhas.left, quadro.topLeft(), quadro.bottomLeft());
    linha(linhas.top, quadro.topLeft(), quadro.topRight());
    linha(linhas.right, quadro.topRight(), quadro.bottomRight());
    linha(linhas.bottom, quadro.bottomLeft(), quadro.bottomRight());
    linha(linhas.inner, QPointF(7, 6), QPointF(7, 18));
    linha(linhas.inner, QPointF(1, 12), QPointF(13, 12));
}

}  // namespace

QIcon IconesBarra::borda(int preset)
{
    const spreadsheet::BorderPreset& linhas = spreadsheet::CellFormatting::borderPreset(preset);
    return figuras(QSize(14, 24), [&linhas](QPainter& p) { desenharBorda(p, linhas); }, false);
}

QIcon IconesBarra::icone(const QString& nomeAcao)
{
    const auto it = desenhos().find(nomeAcao);
    return it == desenhos().end() ? QIcon() : figuras(QSize(16, 16), it->second, true);
}
