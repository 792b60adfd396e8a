#include "TnMapTabelaAnuidade.h"

namespace payroll {

void TnMapTabelaAnuidade::DeclararCampos()
{
    Campo("CodigoAnuidade", CodigoAnuidade);
    Campo("TipoAnuidade", TipoAnuidade);
}

}  // namespace payroll
