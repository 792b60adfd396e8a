#include "src/formulas/FuncaoSuite.h"

#include "catalog/AcaoFormula.h"
#include "catalog/Catalogo.h"

#include <spreadsheet/FunctionRepository.h>

#include <QStringList>

host::TkvtParamList itensDe(const std::vector<catalog::ParametroCatalogo>& parametros)
{
    host::TkvtParamList itens;
    for (const catalog::ParametroCatalogo& p : parametros)
        itens.push_back(host::NovoParam(QString::fromLatin1(p.nome), QString::fromUtf8(p.legenda), p.obrigatorio));
    return itens;
}

FuncaoEscolhida funcaoDaSuite(const spreadsheet::FunctionEntry& funcao)
{
    FuncaoEscolhida e{funcao.name, {}, {}, false};
    for (const catalog::Catalogo& c : catalog::catalogos()) {
        if (c.funcao.compare(funcao.name, Qt::CaseInsensitive) == 0) {
            e.parametros.push_back(host::NovoParam(QStringLiteral("nCampo"), QStringLiteral("Número do campo"), true));
            const host::TkvtParamList resto = itensDe(c.parametros);
            e.parametros.insert(e.parametros.end(), resto.begin(), resto.end());
            e.descricao = QStringLiteral("%1: o primeiro argumento escolhe o dado (menu \"%2\").")
                              .arg(c.caminho.join(QStringLiteral(" ▸ ")).simplified(), c.nome.trimmed());
            e.ajusteFolha = c.ajusteFolha;
            return e;
        }
    }
    for (const catalog::AcaoFormula& a : catalog::acoesFormula()) {
        if (a.funcao.compare(funcao.name, Qt::CaseInsensitive) == 0) {
            e.parametros = itensDe(a.parametros);
            e.descricao = a.dica.isEmpty() ? a.legenda : a.dica;
            e.ajusteFolha = a.ajusteFolha;
            return e;
        }
    }
    for (std::size_t i = 0; i < funcao.params.size(); ++i) {
        const QString nome = QStringLiteral("arg%1").arg(i + 1);
        e.parametros.push_back(host::NovoParam(nome, nome, int(i) < funcao.requiredCount));
    }
    return e;
}

QString argumentosDe(const host::TkvtParamList& parametros)
{
    QStringList nomes;
    for (const host::TkvtParamItem& p : parametros)
        nomes << (p.obrigatorio ? p.nome : u'[' + p.nome + u']');
    return nomes.join(QStringLiteral("; "));
}
