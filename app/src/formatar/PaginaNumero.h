#pragma once

#include <spreadsheet/CellFormatting.h>
#include <spreadsheet/Value.h>

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;

// "Número": a category, one of its codes or any code typed, and the first
// cell's value shown in it as the user chooses.
class PaginaNumero : public QWidget {
    Q_OBJECT
public:
    PaginaNumero(const spreadsheet::CellStyle& estilo, const spreadsheet::Value& valor,
                 spreadsheet::StyleChange& mudanca, QWidget* parent);

private:
    void escolherCategoria(int categoria);
    void escolherCodigo(const QString& codigo);
    void mostrarExemplo();

    spreadsheet::StyleChange& FMudanca;
    spreadsheet::Value FValor;
    QListWidget* FCategorias;
    QListWidget* FCodigos;
    QLineEdit* FCodigo;
    QLabel* FDescricao;
    QLabel* FExemplo;
};
