#include "ajuda/PaginaFuncao.h"

#include "ajuda/DescricaoFuncoes.h"
#include "ajuda/HtmlAjuda.h"

#include <catalog/AcaoFormula.h>
#include <catalog/Catalogo.h>
#include <catalog/TabelaStrings.h>

#include <vector>

namespace ajuda {

namespace {

const catalog::AcaoFormula* acaoDe(const QString& funcao)
{
    for (const catalog::AcaoFormula& acao : catalog::acoesFormula()) {
        if (acao.funcao.compare(funcao, Qt::CaseInsensitive) == 0) {
            return &acao;
        }
    }
    return nullptr;
}

const catalog::Catalogo* catalogoDe(const QString& funcao)
{
    for (const catalog::Catalogo& catalogo : catalog::catalogos()) {
        if (catalogo.funcao.compare(funcao, Qt::CaseInsensitive) == 0) {
            return &catalogo;
        }
    }
    return nullptr;
}

std::vector<QStringList> linhasParametros(const std::vector<catalog::ParametroCatalogo>& parametros, bool campo)
{
    std::vector<QStringList> linhas;
    if (campo) {
        linhas.push_back({QStringLiteral("1"), QStringLiteral("Número do campo"), QStringLiteral("Sim"),
                          QStringLiteral("O número de um dos campos da tabela abaixo.")});
    }
    for (const catalog::ParametroCatalogo& parametro : parametros) {
        const QString nome = QString::fromUtf8(parametro.nome);
        linhas.push_back({QString::number(linhas.size() + 1), QString::fromUtf8(parametro.legenda),
                          parametro.obrigatorio ? QStringLiteral("Sim") : QStringLiteral("Não"),
                          catalog::TabelaStrings::ajudaParametro(nome)});
    }
    return linhas;
}

std::vector<QStringList> linhasSimples(const QStringList& argumentos)
{
    std::vector<QStringList> linhas;
    for (const QString& argumento : argumentos) {
        linhas.push_back({QString::number(linhas.size() + 1), argumento, QStringLiteral("Não"), QString()});
    }
    return linhas;
}

QString dicaDaAcao(const QString& funcao)
{
    const catalog::AcaoFormula* acao = acaoDe(funcao);
    return acao ? acao->dica : QString();
}

}  // namespace

PaginaFuncao::PaginaFuncao(const QString& funcao) : FFuncao(funcao) {}

QString PaginaFuncao::html() const
{
    const DescricaoFuncao descricao = DescricaoFuncoes::de(FFuncao);
    QString corpo = HtmlAjuda::titulo(1, FFuncao);
    if (!descricao.retorno.isEmpty()) {
        corpo += HtmlAjuda::titulo(2, QStringLiteral("Retorna")) + HtmlAjuda::paragrafo(descricao.retorno);
    }
    const QString dica = dicaDaAcao(FFuncao);
    if (!dica.isEmpty()) {
        corpo += HtmlAjuda::paragrafo(dica);
    }
    QStringList sintaxe = argumentos();
    corpo += HtmlAjuda::titulo(2, QStringLiteral("Sintaxe")) +
             QStringLiteral("<p>%1</p>\n")
                 .arg(HtmlAjuda::codigo(QStringLiteral("=%1(%2)").arg(FFuncao, sintaxe.join(QStringLiteral("; ")))));
    if (!descricao.exemplo.isEmpty()) {
        corpo += QStringLiteral("<p>Exemplo: %1</p>\n").arg(HtmlAjuda::codigo(descricao.exemplo));
    }
    corpo += secaoArgumentos() + secaoCampos();
    return HtmlAjuda::documento(FFuncao, corpo);
}

// The argument names are the second column of the argument table.
QStringList PaginaFuncao::argumentos() const
{
    QStringList nomes;
    for (const QStringList& linha : linhasArgumentos()) {
        nomes.append(linha.at(1));
    }
    return nomes;
}

// One row per argument, from the menu's parameter list where the function
// has one, else from its description.
std::vector<QStringList> PaginaFuncao::linhasArgumentos() const
{
    if (const catalog::AcaoFormula* acao = acaoDe(FFuncao)) {
        return linhasParametros(acao->parametros, false);
    }
    if (const catalog::Catalogo* catalogo = catalogoDe(FFuncao)) {
        return linhasParametros(catalogo->parametros, true);
    }
    return linhasSimples(DescricaoFuncoes::de(FFuncao).argumentos);
}

QString PaginaFuncao::resumo(const QString& funcao)
{
    const QString retorno = DescricaoFuncoes::de(funcao).retorno;
    if (!retorno.isEmpty()) {
        return retorno;
    }
    // The menu functions of the accounting library are described only by
    // their menu hint, whose first sentence says what they return.
    const catalog::AcaoFormula* acao = acaoDe(funcao);
    if (!acao) {
        return {};
    }
    return acao->dica.isEmpty() ? acao->legenda : acao->dica.section(QStringLiteral(". "), 0, 0);
}

QString PaginaFuncao::secaoArgumentos() const
{
    const std::vector<QStringList> linhas = linhasArgumentos();
    QString html = HtmlAjuda::titulo(2, QStringLiteral("Argumentos"));
    if (linhas.empty()) {
        return html + HtmlAjuda::paragrafo(QStringLiteral("Nenhum."));
    }
    html += HtmlAjuda::paragrafo(QStringLiteral("Separados por ponto e vírgula, na ordem abaixo. Um argumento "
                                                "não obrigatório pode ser deixado em branco."));
    return html + HtmlAjuda::tabela({QStringLiteral("Posição"), QStringLiteral("Argumento"),
                                     QStringLiteral("Obrigatório"), QStringLiteral("Ajuda")},
                                    linhas);
}

// One row per menu item: its field number, caption, group, hint and the
// formula the menu writes, with the names of the arguments still asked.
QString PaginaFuncao::secaoCampos() const
{
    const catalog::Catalogo* catalogo = catalogoDe(FFuncao);
    if (!catalogo) {
        return {};
    }
    QStringList restantes;
    for (const catalog::ParametroCatalogo& parametro : catalogo->parametros) {
        restantes.append(QString::fromLatin1(parametro.nome));
    }
    std::vector<QStringList> linhas;
    for (const catalog::ItemCatalogo& item : catalogo->itens) {
        const QString formula = catalogo->escreveDica
                                    ? item.dica
                                    : QStringLiteral("=%1(%2)").arg(
                                          FFuncao, (QStringList{QString::number(item.numero)} + restantes).join(u';'));
        const QString dica = catalogo->escreveDica ? QString() : item.dica;
        linhas.push_back({QString::number(item.numero), item.legenda, item.grupo, dica, formula});
    }
    return HtmlAjuda::titulo(2, QStringLiteral("Campos")) +
           HtmlAjuda::paragrafo(QStringLiteral("O primeiro argumento escolhe o dado retornado; o menu \"Fórmulas\" "
                                               "escreve a fórmula da última coluna:")) +
           HtmlAjuda::tabela({QStringLiteral("Número"), QStringLiteral("Campo"), QStringLiteral("Grupo"),
                              QStringLiteral("Descrição"), QStringLiteral("Fórmula")},
                             linhas);
}

}  // namespace ajuda
