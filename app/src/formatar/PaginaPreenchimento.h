#pragma once

#include <spreadsheet/CellFormatting.h>

#include <QWidget>

class QLabel;

// "Preenchimento": the cell's background colour.
class PaginaPreenchimento : public QWidget {
    Q_OBJECT
public:
    PaginaPreenchimento(const spreadsheet::CellStyle& estilo, spreadsheet::StyleChange& mudanca, QWidget* parent);

private:
    void mostrar(spreadsheet::CellColor cor);

    QLabel* FAmostra;
};
