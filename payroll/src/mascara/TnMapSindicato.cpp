#include "TnMapSindicato.h"

namespace payroll {

void TnMapSindicato::DeclararCampos()
{
    Campo("CodigoEmpresa", CodigoEmpresa);
    Campo("CodigoFuncContr", CodigoFuncContr);
    Campo("CodigoSind", CodigoSind);
    Campo("TipoQuebraCaixa", TipoQuebraCaixa);
    Campo("TipoCSind", TipoCSind);
    Campo("TipoTaxaASS", TipoTaxaASS);
    Campo("TipoCusteioConf", TipoCusteioConf);
    Campo("TipoMSind", TipoMSind);
    Campo("AnuidadeTempoServico", AnuidadeTempoServico);
    Campo("CodigoAnuidade", CodigoAnuidade);
}

}  // namespace payroll
