#pragma once

#include "catalog/ParametroCatalogo.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace catalog {

// A menu command that opens the parameter dialog for one function, with no
// leading field number.
struct AcaoFormula {
    const char* nome;  // actFormCtbDTA...
    QString legenda;
    QString funcao;  // also the help keyword
    int tag;         // 0 plain event, 1 apportioned event, 2 event reference with an extra event list
    const char* manipulador;
    std::vector<ParametroCatalogo> parametros;  // complete, in argument order
    bool ajusteFolha;
    QString dica;         // the function's description shown in the dialog; may be empty
    QStringList caminho;  // submenu captions from the formulas menu down to the command's submenu
    bool separadorAntes;
};

// In menu order within each submenu.
const std::vector<AcaoFormula>& acoesFormula();
// Raises host::HostError for an unknown action name.
const AcaoFormula& acaoFormula(const QString& nome);

}  // namespace catalog
