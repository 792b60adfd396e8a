#pragma once

#include <spreadsheet/CellFormatting.h>

#include <QWidget>

#include <array>

class AmostraBordas;
class BotaoCor;
class QListWidget;
class QToolButton;

// "Borda": a line kind and colour, put on the sides of the area by the
// presets, the side buttons or a click on the picture.
class PaginaBorda : public QWidget {
    Q_OBJECT
public:
    PaginaBorda(const spreadsheet::AreaBorders& bordas, bool variasColunas, bool variasLinhas,
                spreadsheet::StyleChange& mudanca, QWidget* parent);

private:
    QWidget* criarLinhas();
    QWidget* criarLados();
    // The side gets the chosen line, or loses its line when it has it already.
    void alternar(int lado);
    void definir(int lado, spreadsheet::BorderSide linha);
    void mostrar();
    spreadsheet::BorderSide pena() const;

    spreadsheet::StyleChange& FMudanca;
    spreadsheet::AreaBorders FBordas;
    AmostraBordas* FAmostra;
    QListWidget* FLinhas;
    BotaoCor* FCor;
    std::array<QToolButton*, 6> FBotoesLado{};
};
