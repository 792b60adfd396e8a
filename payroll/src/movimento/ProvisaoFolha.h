#pragma once

#include <spreadsheet/FormulaResult.h>

#include "payroll/ConsultasFolha.h"

#include <memory>
#include <span>

namespace host {
class TnClientDataSet;
}

namespace payroll {

class TnFpaDMPlanilha;

// What the four provision functions share: the competence reload, the
// cached query of the run's months, the offset column number and the sum
// over the cell's break. The instances differ in their dataset, query texts
// and arguments.
class ProvisaoFolha {
public:
    using Cursor = std::unique_ptr<host::TnClientDataSet> TnFpaDMPlanilha::*;

    static const ProvisaoFolha& Ferias();
    static const ProvisaoFolha& DecimoTerceiro();
    static const ProvisaoFolha& FeriasRateio();
    static const ProvisaoFolha& DecimoTerceiroRateio();

    void Avaliar(TnFpaDMPlanilha& dm, spreadsheet::FormulaResult& result,
                 const spreadsheet::ArgumentTokens& arguments) const;

private:
    // consultaEmDias is empty when the function has one query only.
    ProvisaoFolha(Cursor cursor, std::span<const ParteConsulta> consulta, std::span<const ParteConsulta> consultaEmDias,
                  bool rateio)
        : FCursor(cursor), FConsulta(consulta), FConsultaEmDias(consultaEmDias), FRateio(rateio)
    {
    }

    std::span<const ParteConsulta> Consulta() const;
    std::unique_ptr<host::TnClientDataSet> Abrir(const TnFpaDMPlanilha& dm) const;

    Cursor FCursor;
    std::span<const ParteConsulta> FConsulta;
    std::span<const ParteConsulta> FConsultaEmDias;
    bool FRateio;
};

}  // namespace payroll
