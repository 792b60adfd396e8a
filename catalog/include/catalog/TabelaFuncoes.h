#pragma once

#include <vector>

namespace catalog {

// One custom function as the formula engine registers it.
struct FuncaoRegistrada {
    const char* nome;
    int idNome;         // string-table id of the name
    int identificador;  // number kept by the engine with the function
    int parametros;     // declaration: 0, 1, 2, 4, 5 (four values and a list) or 6 optional parameters
};

// The 22 payroll functions, then gerEMP, gerPAG, FORMATARDATAHORA, FMTNUM
// and REPT: registration order.
const std::vector<FuncaoRegistrada>& funcoesRegistradas();

}  // namespace catalog
