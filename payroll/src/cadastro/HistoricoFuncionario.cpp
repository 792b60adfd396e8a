#include "HistoricoFuncionario.h"

#include "BuscaCadastro.h"

#include "payroll/ArgumentosFolha.h"
#include "payroll/TnFpaDMPlanilha.h"

#include "host/QueryServices.h"
#include "host/TnClientDataSet.h"

#include <spreadsheet/FormulaResult.h>

namespace payroll {

void HistoricoFuncionario::Avaliar(TnFpaDMPlanilha& dm, spreadsheet::FormulaResult& result,
                                   const spreadsheet::ArgumentTokens& arguments,
                                   std::unique_ptr<host::TnClientDataSet>& cache, const char* consulta)
{
    if (BuscaCadastro::SemEmpresa(dm, result)) {
        return;
    }
    const ArgumentosFolha argumentos(result, arguments);
    const int funcionario = argumentos.numero(1);
    const int coluna = argumentos.numero(0);
    const QVariantList valores{dm.FCodigoEmpresa, funcionario, dm.DataReferencia()};
    if (cache) {
        host::RefreshSQL(*cache, valores);
    } else {
        cache = host::ExecutarSQL(host::PegarSQL(QString::fromUtf8(consulta)), valores);
    }
    // A number beyond the history's columns (the default -1 among them)
    // is answered in the cell like the other functions do.
    if (!BuscaCadastro::ColunaValida(*cache, coluna, 0)) {
        result.AddValue(BuscaCadastro::CampoNaoExiste);
        return;
    }
    result.AddValue(cache->IsEmpty() ? QString() : cache->Fields(coluna).AsString());
}

}  // namespace payroll
