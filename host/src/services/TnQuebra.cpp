#include "host/TnQuebra.h"

#include <QStringList>

namespace host {

TnQuebra TnQuebra::NewQuebra(const QString& fieldName, const QVariant& value) const&
{
    TnQuebra filha(*this);
    filha.FValores.push_back({fieldName, value});
    return filha;
}

TnQuebra TnQuebra::NewQuebra(const QString& fieldName, const QVariant& value) &&
{
    // A chain is built pair by pair at every payroll cell; a few slots at
    // the start spare it the growth steps.
    constexpr std::size_t kParesComuns = 6;
    if (FValores.capacity() < kParesComuns)
        FValores.reserve(kParesComuns);
    FValores.push_back({fieldName, value});
    return std::move(*this);
}

QString TnQuebra::GetIndexFieldNames() const
{
    QStringList nomes;
    nomes.reserve(qsizetype(FValores.size()));
    for (const Valor& par : FValores) {
        nomes.append(par.campo);
    }
    return nomes.join(u';');
}

}  // namespace host
