#include "src/formulas/FuncoesConhecidas.h"

#include "catalog/AcaoFormula.h"
#include "catalog/Catalogo.h"

#include <spreadsheet/FunctionCatalog.h>
#include <spreadsheet/FunctionRepository.h>

#include <algorithm>

namespace {

QString nomesDe(const std::vector<catalog::ParametroCatalogo>& parametros)
{
    QStringList nomes;
    for (const catalog::ParametroCatalogo& p : parametros)
        nomes << (p.obrigatorio ? QString::fromLatin1(p.nome) : u'[' + QString::fromLatin1(p.nome) + u']');
    return nomes.join(QStringLiteral("; "));
}

// A suite function's arguments: the field number first for a catalogue's
// function, then the parameters its menu asks for; the declaration's count
// for a function no menu inserts.
QString argumentosDaSuite(const spreadsheet::FunctionEntry& funcao)
{
    for (const catalog::Catalogo& c : catalog::catalogos()) {
        if (c.funcao.compare(funcao.name, Qt::CaseInsensitive) == 0)
            return QStringLiteral("nCampo") + (c.parametros.empty() ? QString() : QStringLiteral("; ") + nomesDe(c.parametros));
    }
    for (const catalog::AcaoFormula& a : catalog::acoesFormula()) {
        if (a.funcao.compare(funcao.name, Qt::CaseInsensitive) == 0)
            return nomesDe(a.parametros);
    }
    QStringList genericos;
    for (std::size_t i = 0; i < funcao.params.size(); ++i) {
        const QString nome = QStringLiteral("arg%1").arg(i + 1);
        genericos << (int(i) < funcao.requiredCount ? nome : u'[' + nome + u']');
    }
    return genericos.join(QStringLiteral("; "));
}

}  // namespace

std::vector<spreadsheet::widgets::FormulaCompleter::Entry> funcoesConhecidas(spreadsheet::FormulaConvention convencao)
{
    const bool brasileira = convencao == spreadsheet::FormulaConvention::Brazilian;
    std::vector<spreadsheet::widgets::FormulaCompleter::Entry> todas;
    for (const spreadsheet::FunctionDescription& f : spreadsheet::builtinFunctionDescriptions()) {
        QString argumentos = f.arguments;
        if (!brasileira)
            argumentos.replace(QStringLiteral("; "), QStringLiteral(", "));
        todas.push_back({brasileira ? f.portugueseName : f.name, argumentos});
    }
    const spreadsheet::FunctionRepository& suite = spreadsheet::FunctionRepository::instance();
    for (int i = 0; i < suite.count(); ++i) {
        QString argumentos = argumentosDaSuite(suite.entry(i));
        if (!brasileira)
            argumentos.replace(QStringLiteral("; "), QStringLiteral(", "));
        todas.push_back({suite.entry(i).name, argumentos});
    }
    return todas;
}
