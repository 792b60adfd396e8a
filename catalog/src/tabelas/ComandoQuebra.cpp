#include "catalog/ComandoQuebra.h"

#include "Dados.h"
#include "Textos.h"

namespace catalog {

namespace {

std::vector<ComandoQuebra> montarComandos()
{
    std::vector<ComandoQuebra> todos;
    for (const dados::DefinicaoQuebra& definicao : dados::quebras()) {
        todos.push_back({definicao.acao, QString::fromLatin1(definicao.palavra), QString::fromUtf8(definicao.legenda),
                         QString::fromUtf8(definicao.dica), textos(definicao.caminho)});
    }
    return todos;
}

}  // namespace

const std::vector<ComandoQuebra>& comandosQuebra()
{
    static const std::vector<ComandoQuebra> todos = montarComandos();
    return todos;
}

}  // namespace catalog
