#include "host/TParams.h"

#include "host/HostError.h"

namespace host {

TParam& TParams::CreateParam(FieldType tipo, const QString& nome)
{
    if (FindParam(nome))
        throw HostError(QStringLiteral("Parâmetro repetido: %1").arg(nome));
    params_.push_back(TParam{nome, tipo, {}});
    return params_.back();
}

const TParam* TParams::FindParam(const QString& nome) const
{
    for (const TParam& param : params_) {
        if (param.nome.compare(nome, Qt::CaseInsensitive) == 0)
            return &param;
    }
    return nullptr;
}

TParam& TParams::ParamByName(const QString& nome)
{
    if (const TParam* found = FindParam(nome))
        return const_cast<TParam&>(*found);
    throw HostError(QStringLiteral("Parâmetro não encontrado: %1").arg(nome));
}

}  // namespace host
