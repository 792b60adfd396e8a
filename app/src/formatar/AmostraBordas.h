#pragma once

#include <spreadsheet/CellFormatting.h>

#include <QWidget>

// The picture of the border page: the area as two columns and two rows at
// most, with its lines as they will be drawn. A click near a line toggles
// that side.
class AmostraBordas : public QWidget {
    Q_OBJECT
public:
    // The sides of an area, as they index the lines.
    enum Lado { Esquerda, Superior, Direita, Inferior, InternaVertical, InternaHorizontal, kLados };

    AmostraBordas(bool variasColunas, bool variasLinhas, QWidget* parent);

    static spreadsheet::BorderSide spreadsheet::AreaBorders::*lado(int lado);
    // The same side in a style change.
    static std::optional<spreadsheet::BorderSide> spreadsheet::StyleChange::*mudanca(int lado);
    // Whether the area has that side: one column has no inside vertical line.
    bool tem(int lado) const;
    void mostrar(const spreadsheet::AreaBorders& bordas);

    QSize sizeHint() const override;

signals:
    void clicado(int lado);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect area() const;
    // The line of a side: a strip one pixel across.
    QRect linha(int lado) const;

    bool FVariasColunas;
    bool FVariasLinhas;
    spreadsheet::AreaBorders FBordas;
};
