#pragma once

#include <spreadsheet/CellFormatting.h>

#include <QDialog>

class QTabWidget;

namespace spreadsheet {
class Sheet;
}

// "Formatar Células": number, alignment, font, border, fill and protection
// of an area, shown as its first cell has them. Only what the user touches
// changes, so that the rest of a mixed area keeps its own formats.
class DialogoFormatarCelulas : public QDialog {
    Q_OBJECT
public:
    enum Pagina { Numero, Alinhamento, Fonte, Borda, Preenchimento, Protecao };

    DialogoFormatarCelulas(const spreadsheet::Sheet& folha, const spreadsheet::CellRange& area, Pagina pagina,
                           QWidget* parent);

    const spreadsheet::StyleChange& mudanca() const { return FMudanca; }

    // Opens the dialog on the area and applies what the user chose as one
    // undoable action; false when the user gave up.
    static bool ShowFormatCellsDialog(spreadsheet::Sheet& folha, const spreadsheet::CellRange& area,
                                      Pagina pagina, QWidget* parent);

private:
    spreadsheet::StyleChange FMudanca;
    QTabWidget* FPaginas;
};
