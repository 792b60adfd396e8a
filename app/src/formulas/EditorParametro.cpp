#include "src/formulas/EditorParametro.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

constexpr int kLarguraEmCaracteres = 50;
// A light tint: noticeable, but it does not read as an error.
constexpr QRgb kVazioObrigatorio = 0xFFF3D6;

}  // namespace

EditorParametro::EditorParametro(const host::TkvtParamItem& item, QWidget* parent)
    : QWidget(parent), FObrigatorio(item.obrigatorio != 0)
{
    setObjectName(item.nome);
    auto* linha = new QHBoxLayout(this);
    linha->setContentsMargins(4, 2, 4, 2);
    FRotulo = new QLabel(item.legenda, this);
    FCampo = new QLineEdit(this);
    FCampo->setObjectName(item.nome + QStringLiteral("Campo"));
    FCampo->setMinimumWidth(FCampo->fontMetrics().averageCharWidth() * kLarguraEmCaracteres / 3);
    FCampo->setAccessibleName(item.legenda);
    FRotulo->setBuddy(FCampo);
    if (FObrigatorio)
        FCampo->setToolTip(QStringLiteral("Obrigatório"));
    linha->addWidget(FRotulo);
    linha->addWidget(FCampo, 1);
    FCampo->installEventFilter(this);
    connect(FCampo, &QLineEdit::textChanged, this, &EditorParametro::marcarVazio);
    marcarVazio();
}

QString EditorParametro::texto() const
{
    return FCampo->text();
}

void EditorParametro::definirTexto(const QString& texto)
{
    FCampo->setText(texto);
}

int EditorParametro::larguraRotulo() const
{
    return std::max(FRotulo->sizeHint().width(), FRotulo->minimumWidth());
}

void EditorParametro::definirLarguraRotulo(int largura)
{
    FRotulo->setFixedWidth(largura);
}

bool EditorParametro::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FCampo && event->type() == QEvent::FocusIn)
        emit entrou(this);
    return QWidget::eventFilter(watched, event);
}

void EditorParametro::marcarVazio()
{
    QPalette paleta = FCampo->palette();
    const bool marcar = FObrigatorio && FCampo->text().trimmed().isEmpty();
    paleta.setColor(QPalette::Base, marcar ? QColor::fromRgb(kVazioObrigatorio) : palette().color(QPalette::Base));
    FCampo->setPalette(paleta);
}
