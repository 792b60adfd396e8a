#pragma once

#include <spreadsheet/CellStyle.h>

#include <QColor>
#include <QToolButton>

// A button that shows a colour and opens the colour grid to change it.
class BotaoCor : public QToolButton {
    Q_OBJECT
public:
    // `automatica` names the automatic colour and `tela` is how it shows.
    BotaoCor(const QString& automatica, const QColor& tela, QWidget* parent);

    spreadsheet::CellColor cor() const { return FCor; }
    void definirCor(spreadsheet::CellColor cor);

signals:
    // The user chose a colour, the same one included.
    void escolhida(spreadsheet::CellColor cor);

private:
    spreadsheet::CellColor FCor;
    QColor FAutomatica;
};
