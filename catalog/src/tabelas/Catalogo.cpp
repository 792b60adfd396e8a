#include "catalog/Catalogo.h"

#include "CorrecaoNumeros.h"
#include "Dados.h"
#include "Textos.h"

// The tables link no host library; its error type is header-only.
#include "host/HostError.h"

#include <algorithm>

namespace catalog {

namespace {

ItemCatalogo montarItem(const dados::DefinicaoCatalogo& definicao, const dados::Item& item)
{
    return {numeroCorrigido(definicao.funcao, item.numero), QString::fromUtf8(item.legenda),
            QString::fromUtf8(item.dica), QString::fromUtf8(item.grupo)};
}

Catalogo montarCatalogo(const dados::DefinicaoCatalogo& definicao)
{
    Catalogo resultado{};
    resultado.caminho = textos(definicao.caminho);
    resultado.nome = resultado.caminho.constLast();
    resultado.funcao = QString::fromLatin1(definicao.funcao);
    resultado.parametros.assign(definicao.parametros.begin(), definicao.parametros.end());
    resultado.ajusteFolha = definicao.ajusteFolha;
    resultado.escreveDica = definicao.escreveDica;
    resultado.separadorAntes = definicao.separadorAntes;
    for (const dados::Item& item : definicao.itens) {
        resultado.itens.push_back(montarItem(definicao, item));
    }
    return resultado;
}

std::vector<Catalogo> montarCatalogos()
{
    std::vector<Catalogo> todos;
    for (const dados::DefinicaoCatalogo& definicao : dados::catalogos()) {
        todos.push_back(montarCatalogo(definicao));
    }
    return todos;
}

}  // namespace

const std::vector<Catalogo>& catalogos()
{
    static const std::vector<Catalogo> todos = montarCatalogos();
    return todos;
}

const Catalogo& catalogo(const QString& funcaoOuNome)
{
    const std::vector<Catalogo>& todos = catalogos();
    // Function names and captions never coincide, so the order of the two
    // searches only saves work.
    auto encontrado = std::find_if(todos.begin(), todos.end(),
                                   [&](const Catalogo& c) { return c.funcao == funcaoOuNome; });
    if (encontrado == todos.end()) {
        encontrado = std::find_if(todos.begin(), todos.end(),
                                  [&](const Catalogo& c) { return c.nome == funcaoOuNome; });
    }
    if (encontrado == todos.end()) {
        throw host::HostError(QStringLiteral("Catálogo de funções inexistente: %1").arg(funcaoOuNome));
    }
    return *encontrado;
}

}  // namespace catalog
