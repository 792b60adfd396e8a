#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace spreadsheet {
class Sheet;
class Workbook;
}  // namespace spreadsheet

// Where the report tools find what the clerk set up: sheets by caption and
// the cells that defined names point at.
class BuscaPlanilha {
public:
    struct Celula {
        spreadsheet::Sheet* folha = nullptr;
        int linha = 0;
        int coluna = 0;
    };

    // Ignores case only: "Parâmetros" is not "Parametros".
    static spreadsheet::Sheet* planilha(const spreadsheet::Workbook& pasta, QStringView legenda);
    // The top-left cell of the first area of the first name equal to nome
    // (ignoring case), on that area's sheet; none when the name is missing or
    // its reference leads nowhere.
    static std::optional<Celula> FindDefinedNames(const spreadsheet::Workbook& pasta, QStringView nome);
    // The same; raises when there is no cell.
    static Celula GetDefinedName(const spreadsheet::Workbook& pasta, QStringView nome);
    // The cell's text as shown, empty for none.
    static QString texto(const std::optional<Celula>& celula);
    // The cell's number, 0 for none and for anything that is no number.
    static double numero(const std::optional<Celula>& celula);
};
