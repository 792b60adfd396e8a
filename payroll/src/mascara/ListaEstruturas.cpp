#include "ListaEstruturas.h"

#include <algorithm>

namespace payroll {

bool ListaEstruturas::contem(Lista lista, const QString& codigoEstrut)
{
    return std::any_of(lista.begin(), lista.end(),
                       [&codigoEstrut](const char* codigo) { return codigoEstrut == QLatin1String(codigo); });
}

bool ListaEstruturas::prefixoDe(Lista prefixos, const QString& codigoEstrut)
{
    return std::any_of(prefixos.begin(), prefixos.end(), [&codigoEstrut](const char* prefixo) {
        return codigoEstrut.startsWith(QLatin1String(prefixo));
    });
}

bool ListaEstruturas::contemProcedimento(std::span<const int> lista, int codigoProced)
{
    return std::find(lista.begin(), lista.end(), codigoProced) != lista.end();
}

}  // namespace payroll
