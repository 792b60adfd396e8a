#pragma once

#include "catalog/ParametroCatalogo.h"

#include <host/TkvtParamItem.h>

#include <QString>

#include <vector>

namespace spreadsheet {
struct FunctionEntry;
}

// A function to insert: its name as the user types it, the arguments the
// parameter dialog asks for and the text it shows.
struct FuncaoEscolhida {
    QString funcao;
    host::TkvtParamList parametros;
    QString descricao;
    bool ajusteFolha = false;
};

// The dialog's items for a menu's parameter list.
host::TkvtParamList itensDe(const std::vector<catalog::ParametroCatalogo>& parametros);
// A suite function by what its menus know of it: a catalogue's function
// asks for its field number first, then the catalogue's parameters; a menu
// command's function for the command's; any other for its declaration's.
FuncaoEscolhida funcaoDaSuite(const spreadsheet::FunctionEntry& funcao);
// "nCampo; [nMesRef]": the arguments, optional ones in brackets.
QString argumentosDe(const host::TkvtParamList& parametros);
