#include "BuscaCadastro.h"

#include "payroll/TnFpaDMPlanilha.h"

#include "host/InclusionList.h"
#include "host/TnClientDataSet.h"

#include <spreadsheet/FormulaResult.h>

namespace payroll {

bool BuscaCadastro::SemEmpresa(const TnFpaDMPlanilha& dm, spreadsheet::FormulaResult& result)
{
    if (dm.FCodigoEmpresa != -1) {
        return false;
    }
    result.AddValue(QString());
    return true;
}

QString BuscaCadastro::Filtro(const QString& coluna, const QString& lista, bool conjuncao, bool extra)
{
    if (extra) {
        return host::FilterInterval({coluna}, lista, {host::InclusionTypeInteger}, 0, conjuncao, 0, 0);
    }
    return host::FilterInterval({coluna}, lista, {host::InclusionTypeInteger}, 0, conjuncao, 0);
}

host::TnClientDataSet& BuscaCadastro::Consulta(std::unique_ptr<host::TnClientDataSet>& cache,
                                               const std::function<std::unique_ptr<host::TnClientDataSet>()>& construir)
{
    if (!cache) {
        cache = construir();
    }
    return *cache;
}

bool BuscaCadastro::ColunaValida(const host::TnClientDataSet& dataset, int coluna, int primeira)
{
    return coluna >= primeira && coluna <= dataset.FieldCount() - 1;
}

QString BuscaCadastro::TextoDaChave(host::TnClientDataSet& dataset, const QVariantList& chave, int coluna,
                                    const QString& naoEncontrado)
{
    return dataset.FindKey(chave) ? dataset.Fields(coluna).AsString() : naoEncontrado;
}

}  // namespace payroll
