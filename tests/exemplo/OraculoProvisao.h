#pragma once

#include "FuncaoOraculo.h"

#include <span>

namespace exemplo::testes {

// Vacation and 13th-salary provisions of the run's competence months,
// plain and apportioned, summed over a cell's break.
class OraculoProvisao {
public:
    static std::span<const FuncaoOraculo> funcoes();
};

}  // namespace exemplo::testes
