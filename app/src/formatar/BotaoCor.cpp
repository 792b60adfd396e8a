#include "src/formatar/BotaoCor.h"

#include "src/formatar/GradeCores.h"

#include <QMenu>
#include <QPainter>
#include <QWidgetAction>

namespace {

constexpr QSize kIcone(40, 14);

}  // namespace

BotaoCor::BotaoCor(const QString& automatica, const QColor& tela, QWidget* parent)
    : QToolButton(parent), FAutomatica(tela)
{
    setPopupMode(QToolButton::InstantPopup);
    setIconSize(kIcone);
    auto* menu = new QMenu(this);
    auto* grade = new GradeCores(automatica, menu);
    auto* acao = new QWidgetAction(menu);
    acao->setDefaultWidget(grade);
    menu->addAction(acao);
    setMenu(menu);
    connect(grade, &GradeCores::escolhida, this, [this, menu](spreadsheet::CellColor cor) {
        menu->close();
        definirCor(cor);
        emit escolhida(cor);
    });
    definirCor({});
}

void BotaoCor::definirCor(spreadsheet::CellColor cor)
{
    FCor = cor;
    QPixmap pixmap(kIcone);
    pixmap.fill(GradeCores::paraTela(cor, FAutomatica));
    QPainter pintor(&pixmap);
    pintor.setPen(Qt::gray);
    pintor.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    setIcon(QIcon(pixmap));
}
