#pragma once

#include "host/TnFieldMap.h"

namespace payroll {

// The union of one employee at a date, with its convention and contributions.
class TnMapSindicato : public host::TnFieldMap {
public:
    host::TnField* CodigoEmpresa = nullptr;
    host::TnField* CodigoFuncContr = nullptr;
    host::TnField* CodigoSind = nullptr;
    host::TnField* TipoQuebraCaixa = nullptr;
    host::TnField* TipoCSind = nullptr;
    host::TnField* TipoTaxaASS = nullptr;
    host::TnField* TipoCusteioConf = nullptr;
    host::TnField* TipoMSind = nullptr;
    host::TnField* AnuidadeTempoServico = nullptr;
    host::TnField* CodigoAnuidade = nullptr;

protected:
    void DeclararCampos() override;
};

}  // namespace payroll
