#pragma once

#include "host/TnFieldMap.h"

namespace payroll {

// The contract data of one employee: contract type and annuity settings.
class TnMapDadosContrato : public host::TnFieldMap {
public:
    host::TnField* CodigoEmpresa = nullptr;
    host::TnField* CodigoFuncContr = nullptr;
    host::TnField* ProporcCalculo13Dia = nullptr;
    host::TnField* ProporcCalculoFeriasDia = nullptr;
    host::TnField* AnuidadeTempoServico = nullptr;
    host::TnField* CodigoAnuidade = nullptr;
    host::TnField* TipoAnuidade = nullptr;

protected:
    void DeclararCampos() override;
};

}  // namespace payroll
