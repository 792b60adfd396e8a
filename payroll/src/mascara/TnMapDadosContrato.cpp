#include "TnMapDadosContrato.h"

namespace payroll {

void TnMapDadosContrato::DeclararCampos()
{
    Campo("CodigoEmpresa", CodigoEmpresa);
    Campo("CodigoFuncContr", CodigoFuncContr);
    Campo("ProporcCalculo13Dia", ProporcCalculo13Dia);
    Campo("ProporcCalculoFeriasDia", ProporcCalculoFeriasDia);
    Campo("AnuidadeTempoServico", AnuidadeTempoServico);
    Campo("CodigoAnuidade", CodigoAnuidade);
    Campo("TipoAnuidade", TipoAnuidade);
}

}  // namespace payroll
