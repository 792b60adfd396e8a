#include "catalog/TabelaFuncoes.h"

#include "Dados.h"

namespace catalog {

const std::vector<FuncaoRegistrada>& funcoesRegistradas()
{
    static const std::vector<FuncaoRegistrada> todas(dados::funcoes().begin(), dados::funcoes().end());
    return todas;
}

}  // namespace catalog
