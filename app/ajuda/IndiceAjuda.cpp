#include "ajuda/IndiceAjuda.h"

#include "ajuda/GeradorAjuda.h"
#include "ajuda/HtmlAjuda.h"
#include "ajuda/PaginaFuncao.h"

#include <catalog/ComandoQuebra.h>
#include <spreadsheet/FunctionCatalog.h>

#include <algorithm>
#include <map>

#include <array>
#include <vector>

namespace ajuda {

namespace {

struct NomeDefinido {
    const char16_t* nome;
    const char16_t* obrigatorio;
    const char16_t* uso;
};

constexpr std::array<NomeDefinido, 7> kNomes{{
    {u"Empresas", u"Sim", u"Lista dos códigos das empresas a gerar, por exemplo 1..5;8."},
    {u"PeriodoCalculo", u"Sim", u"Lista dos códigos dos períodos de cálculo da folha."},
    {u"Filiais", u"Não", u"Lista dos estabelecimentos; vazia para todos."},
    {u"Funcionarios", u"Não", u"Lista dos funcionários; vazia para todos."},
    {u"CentroCustos", u"Não", u"Lista dos centros de custo, usada com a quebra por centro de custo."},
    {u"LocalContabil", u"Não", u"Lista dos locais contábeis; vazia para todos."},
    {u"Replicacao", u"Não",
     u"Letras das colunas de replicação separadas por ponto e vírgula (B ou A;C); a primeira é a quebra mais "
     u"externa."},
}};

QString secaoModelos()
{
    return HtmlAjuda::titulo(2, QStringLiteral("Como funcionam os modelos")) +
           HtmlAjuda::paragrafo(QStringLiteral(
               "Uma pasta de trabalho é também o modelo de um relatório. A geração lê seus parâmetros de nomes "
               "definidos da pasta, cria para cada empresa uma página chamada Emp seguida do código da empresa, "
               "copia para ela a planilha de layout, repete os blocos de linhas marcados, recalcula as fórmulas "
               "e troca cada fórmula pelo seu valor. Fora da geração as funções mostram um valor de exemplo, "
               "como 100,03 para fpaEvValor(100)."));
}

QString secaoParametros()
{
    std::vector<QStringList> linhas;
    for (const NomeDefinido& nome : kNomes) {
        linhas.push_back({QString::fromUtf16(nome.nome), QString::fromUtf16(nome.obrigatorio),
                          QString::fromUtf16(nome.uso)});
    }
    return HtmlAjuda::titulo(2, QStringLiteral("Parâmetros (nomes definidos)")) +
           HtmlAjuda::paragrafo(QStringLiteral("Cada nome aponta para uma célula com o texto do parâmetro. Uma "
                                               "lista tem códigos e faixas como 1..5, separados por ponto e "
                                               "vírgula; uma lista vazia seleciona tudo.")) +
           HtmlAjuda::tabela({QStringLiteral("Nome"), QStringLiteral("Obrigatório"), QStringLiteral("Uso")},
                             linhas);
}

QString secaoReplicacao()
{
    std::vector<QStringList> linhas;
    for (const catalog::ComandoQuebra& comando : catalog::comandosQuebra()) {
        linhas.push_back({comando.palavra, comando.legenda, comando.dica});
    }
    return HtmlAjuda::titulo(2, QStringLiteral("Replicação")) +
           HtmlAjuda::paragrafo(QStringLiteral(
               "Numa coluna de replicação, a célula com uma palavra de quebra inicia um bloco. As linhas "
               "seguintes do bloco levam o texto ... (três pontos) na mesma coluna. O bloco é repetido uma "
               "vez por valor da quebra, e as células da palavra e dos três pontos recebem esse valor, que "
               "as funções da folha usam para filtrar seus dados. Numa segunda coluna de replicação, cada "
               "cópia do bloco externo tem uma linha de palavra da quebra interna.")) +
           HtmlAjuda::tabela({QStringLiteral("Palavra"), QStringLiteral("Quebra"), QStringLiteral("Descrição")},
                             linhas);
}

QString secaoPlanilha()
{
    return HtmlAjuda::titulo(2, QStringLiteral("Funções da planilha")) +
           HtmlAjuda::paragrafo(QStringLiteral("Além das funções do sistema, as fórmulas usam as funções comuns "
                                               "das planilhas, com o nome em português ou em inglês.")) +
           HtmlAjuda::lista({HtmlAjuda::link(IndiceAjuda::paginaPlanilha(), QStringLiteral("Lista das funções da "
                                                                                       "planilha"))});
}

QString secaoFuncoes(const QStringList& funcoes)
{
    QStringList itens;
    for (const QString& funcao : funcoes) {
        const QString retorno = PaginaFuncao::resumo(funcao);
        QString item = HtmlAjuda::link(GeradorAjuda::arquivoDaFuncao(funcao), funcao);
        if (!retorno.isEmpty()) {
            item += QStringLiteral(" &mdash; ") + retorno.toHtmlEscaped();
        }
        itens.append(item);
    }
    return HtmlAjuda::titulo(2, QStringLiteral("Funções")) + HtmlAjuda::lista(itens);
}

}  // namespace

QString IndiceAjuda::html(const QStringList& funcoes)
{
    const QString guia = QStringLiteral("<p><a href=\"%1\">Guia do usuário</a></p>\n").arg(QLatin1String(kLinkGuia));
    const QString corpo = HtmlAjuda::titulo(1, QStringLiteral("Darvelo - Editor de Planilhas")) + guia + secaoModelos() +
                          secaoParametros() + secaoReplicacao() + secaoFuncoes(funcoes) + secaoPlanilha();
    return HtmlAjuda::documento(QStringLiteral("Ajuda do Editor de Planilhas"), corpo);
}

QString IndiceAjuda::paginaPlanilha()
{
    return QStringLiteral("funcoes-planilha.htm");
}

// Every built-in function by group, as the function browser shows them.
QString IndiceAjuda::funcoesPlanilha()
{
    std::map<int, std::vector<QStringList>> porGrupo;
    for (const spreadsheet::FunctionDescription& f : spreadsheet::builtinFunctionDescriptions()) {
        porGrupo[int(f.group)].push_back({f.portugueseName, f.name, f.arguments, f.description});
    }
    QString corpo = HtmlAjuda::titulo(1, QStringLiteral("Funções da planilha"));
    for (auto& [grupo, linhas] : porGrupo) {
        std::sort(linhas.begin(), linhas.end());
        corpo += HtmlAjuda::titulo(2, spreadsheet::functionGroupName(spreadsheet::FunctionGroup(grupo))) +
                 HtmlAjuda::tabela({QStringLiteral("Nome"), QStringLiteral("Em inglês"), QStringLiteral("Argumentos"),
                                    QStringLiteral("Descrição")},
                                   linhas);
    }
    return HtmlAjuda::documento(QStringLiteral("Funções da planilha"), corpo);
}

}  // namespace ajuda
