#pragma once

#include <spreadsheet/CellFormatting.h>

#include <QWidget>

// "Proteção": whether the cells are locked.
class PaginaProtecao : public QWidget {
    Q_OBJECT
public:
    PaginaProtecao(const spreadsheet::CellStyle& estilo, spreadsheet::StyleChange& mudanca, QWidget* parent);
};
