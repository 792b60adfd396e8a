#pragma once

#include "FuncaoOraculo.h"

#include <span>

namespace exemplo::testes {

// Registration data looked up by key: employee, totals, GPS, other
// company, organogram, the four histories, and the company and page
// functions.
class OraculoCadastro {
public:
    static std::span<const FuncaoOraculo> funcoes();
};

}  // namespace exemplo::testes
