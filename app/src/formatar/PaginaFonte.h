#pragma once

#include <spreadsheet/CellFormatting.h>

#include <QWidget>

class BotaoCor;
class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;

// "Fonte": name, style, size, underline, strike-out and colour, with a
// sample drawn as the cell will show it.
class PaginaFonte : public QWidget {
    Q_OBJECT
public:
    PaginaFonte(const spreadsheet::CellStyle& estilo, spreadsheet::StyleChange& mudanca, QWidget* parent);

private:
    void mostrarAmostra();
    void lerTamanho(const QString& texto);

    spreadsheet::StyleChange& FMudanca;
    spreadsheet::CellFont FFonte;  // as the sample shows it
    QFontComboBox* FNome;
    QComboBox* FEstilo;
    QComboBox* FTamanho;
    BotaoCor* FCor;
    QLabel* FAmostra;
};
