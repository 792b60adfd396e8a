#include "src/BarraCelula.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

BarraCelula::BarraCelula(QWidget* parent) : QToolBar(QStringLiteral("pnCell"), parent)
{
    setObjectName(QStringLiteral("pnCell"));
    setMovable(false);
    FCaixaNome = new QLabel(QStringLiteral("A1"), this);
    FCaixaNome->setObjectName(QStringLiteral("pnCellRect"));
    FCaixaNome->setFixedWidth(118);
    FCaixaNome->setFrameShape(QFrame::StyledPanel);
    addWidget(FCaixaNome);
    auto* rotulo = new QLabel(QStringLiteral("Texto célula ="), this);
    rotulo->setObjectName(QStringLiteral("pnCellText"));
    addWidget(rotulo);
    FCaixaFormula = new QLineEdit(this);
    FCaixaFormula->setObjectName(QStringLiteral("edtCellEdit"));
    FCaixaFormula->setFocusPolicy(Qt::ClickFocus);  // Tab skips it
    FCaixaFormula->installEventFilter(this);
    addWidget(FCaixaFormula);
    connect(FCaixaFormula, &QLineEdit::textEdited, this, &BarraCelula::textoEditado);
    connect(FCaixaFormula, &QLineEdit::returnPressed, this, [this] { emit edicaoTerminada(true, true); });
}

bool BarraCelula::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != FCaixaFormula)
        return false;
    if (event->type() == QEvent::FocusOut) {
        emit edicaoTerminada(true, false);
        return false;
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        emit edicaoTerminada(false, true);
        return true;
    }
    return false;
}
