#pragma once

#include <spreadsheet/CellFormatting.h>

#include <QWidget>

// "Alinhamento": horizontal and vertical alignment, and wrapping.
class PaginaAlinhamento : public QWidget {
    Q_OBJECT
public:
    PaginaAlinhamento(const spreadsheet::CellStyle& estilo, spreadsheet::StyleChange& mudanca, QWidget* parent);
};
