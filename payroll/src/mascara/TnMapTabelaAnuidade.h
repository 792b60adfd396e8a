#pragma once

#include "host/TnFieldMap.h"

namespace payroll {

// One row of the annuity table.
class TnMapTabelaAnuidade : public host::TnFieldMap {
public:
    host::TnField* CodigoAnuidade = nullptr;
    host::TnField* TipoAnuidade = nullptr;

protected:
    void DeclararCampos() override;
};

}  // namespace payroll
