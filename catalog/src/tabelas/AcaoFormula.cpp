#include "catalog/AcaoFormula.h"

#include "catalog/TabelaStrings.h"

#include "Dados.h"
#include "Textos.h"

// The tables link no host library; its error type is header-only.
#include "host/HostError.h"

#include <algorithm>

namespace catalog {

namespace {

// The description comes from the string table, as the main window loads it;
// an action without one there keeps the hint it was declared with.
QString dica(const dados::DefinicaoAcao& definicao)
{
    if (definicao.idDescricao != 0) {
        return TabelaStrings::texto(definicao.idDescricao);
    }
    return QString::fromUtf8(definicao.dicaDeclarada);
}

AcaoFormula montarAcao(const dados::DefinicaoAcao& definicao)
{
    return {definicao.nome,
            QString::fromUtf8(definicao.legenda),
            QString::fromLatin1(definicao.funcao),
            definicao.tag,
            definicao.manipulador,
            {definicao.parametros.begin(), definicao.parametros.end()},
            definicao.ajusteFolha,
            dica(definicao),
            textos(definicao.caminho),
            definicao.separadorAntes};
}

std::vector<AcaoFormula> montarAcoes()
{
    std::vector<AcaoFormula> todas;
    for (const dados::DefinicaoAcao& definicao : dados::acoes()) {
        todas.push_back(montarAcao(definicao));
    }
    return todas;
}

}  // namespace

const std::vector<AcaoFormula>& acoesFormula()
{
    static const std::vector<AcaoFormula> todas = montarAcoes();
    return todas;
}

const AcaoFormula& acaoFormula(const QString& nome)
{
    const std::vector<AcaoFormula>& todas = acoesFormula();
    const auto encontrada = std::find_if(todas.begin(), todas.end(),
                                         [&](const AcaoFormula& a) { return nome == QLatin1String(a.nome); });
    if (encontrada == todas.end()) {
        throw host::HostError(QStringLiteral("Ação de fórmula inexistente: %1").arg(nome));
    }
    return *encontrada;
}

}  // namespace catalog
