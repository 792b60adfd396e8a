#include "catalog/TabelaStrings.h"

#include "Dados.h"

#include <algorithm>

namespace catalog {

namespace {

const dados::EntradaString* entrada(int id)
{
    const std::span<const dados::EntradaString> todas = dados::strings();
    const auto* encontrada = std::lower_bound(todas.data(), todas.data() + todas.size(), id,
                                              [](const dados::EntradaString& e, int valor) { return e.id < valor; });
    if (encontrada == todas.data() + todas.size() || encontrada->id != id) {
        return nullptr;
    }
    return encontrada;
}

}  // namespace

QString TabelaStrings::texto(int id)
{
    const dados::EntradaString* encontrada = entrada(id);
    return encontrada ? QString::fromUtf8(encontrada->texto) : QString();
}

bool TabelaStrings::contem(int id)
{
    return entrada(id) != nullptr;
}

QString TabelaStrings::ajudaParametro(const QString& nomeParametro)
{
    for (const dados::AjudaParametro& ajuda : dados::ajudas()) {
        if (nomeParametro == QLatin1String(ajuda.parametro)) {
            return texto(ajuda.id);
        }
    }
    return {};
}

}  // namespace catalog
