#pragma once

#include "FuncaoOraculo.h"

#include <span>

namespace exemplo::testes {

// Amounts of the run step summed over a cell's break: events,
// apportioned events and calculated taxes.
class OraculoMovimento {
public:
    static std::span<const FuncaoOraculo> funcoes();
};

}  // namespace exemplo::testes
