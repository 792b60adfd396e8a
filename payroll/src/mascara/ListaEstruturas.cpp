#include "ListaEstruturas.h"

#include <algorithm>

namespace payroll {

// Views, so that a caller tests a group (the code's first characters)
// without copying it.
bool ListaEstruturas::contem(Lista lista, QStringView codigoEstrut)
{
    return std::any_of(lista.begin(), lista.end(),
                       [codigoEstrut](const char* codigo) { return codigoEstrut == QLatin1StringView(codigo); });
}

bool ListaEstruturas::prefixoDe(Lista prefixos, QStringView codigoEstrut)
{
    return std::any_of(prefixos.begin(), prefixos.end(), [codigoEstrut](const char* prefixo) {
        return codigoEstrut.startsWith(QLatin1StringView(prefixo));
    });
}

bool ListaEstruturas::contemProcedimento(std::span<const int> lista, int codigoProced)
{
    return std::find(lista.begin(), lista.end(), codigoProced) != lista.end();
}

}  // namespace payroll
