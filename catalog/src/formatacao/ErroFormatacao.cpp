#include "catalog/ErroFormatacao.h"

namespace catalog {

ErroFormatacao::ErroFormatacao(const QString& mensagem)
    : std::runtime_error(mensagem.toStdString()), mensagem_(mensagem)
{
}

}  // namespace catalog
