#pragma once

#include <spreadsheet/CellRange.h>

#include <QString>

class TVandrelFilhaForm;

namespace spreadsheet {
class Sheet;
class Workbook;
}  // namespace spreadsheet

// The defined-name commands over the selection of a workbook window. Each
// gives true when the names may have changed, so that the caller's name box
// follows them; a cancelled question gives false and changes nothing.
class ComandosNomes {
public:
    explicit ComandosNomes(TVandrelFilhaForm& janela);

    // Names the selection's bottom-right cell.
    bool definirNome();
    // Deletes the name typed, offering the selection's own; a name that
    // does not exist is no error.
    bool excluirNome();
    // Every name, from the last to the first, without a question.
    bool excluirTodos();
    // Names each filled cell of the selection after its text, behind the
    // prefix asked for.
    bool criarComValores();

private:
    spreadsheet::Workbook& pasta() const;
    spreadsheet::Sheet& folha() const;
    spreadsheet::CellRange selecao() const;
    // Refuses a name already defined: the workbook would silently move it.
    void adicionar(const QString& nome, const QString& referencia) const;
    // The cell of the active sheet, as a name keeps it.
    QString referenciaDe(int linha, int coluna) const;

    TVandrelFilhaForm& FJanela;
};
