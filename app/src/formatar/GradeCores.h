#pragma once

#include <spreadsheet/CellStyle.h>

#include <QWidget>

// The colours a user picks from: a button for the automatic colour, the
// classic palette of forty and "Mais cores..." for any other.
class GradeCores : public QWidget {
    Q_OBJECT
public:
    // `automatica` is the first button's caption ("Automática", "Sem cor").
    GradeCores(const QString& automatica, QWidget* parent);

    static QColor paraTela(spreadsheet::CellColor cor, const QColor& automatica);

signals:
    void escolhida(spreadsheet::CellColor cor);

private:
    void maisCores();
};
