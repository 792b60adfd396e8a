#pragma once

#include "host/TnQuebra.h"

#include <QString>

#include <vector>

namespace host {
class TnClientDataSet;
}

namespace payroll {

class TnFpaDMPlanilha;

// The function side of the breaks: a chain built from a cell's own
// arguments and the run's break fields, applied as an index range.
class QuebraFolha {
public:
    static host::TnQuebra CriarQuebra(TnFpaDMPlanilha& dm, int estab, int func, const QString& organ, int outEmp,
                                      double cenCusto, int evento, bool porCompetencia);
    static void AplicarQuebra(host::TnClientDataSet& dataset, const host::TnQuebra& quebra);
    static void AplicarFaixaQuebra(host::TnClientDataSet& dataset, const std::vector<host::TnQuebra::Valor>& pares);
};

}  // namespace payroll
