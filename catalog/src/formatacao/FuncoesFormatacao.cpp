#include "catalog/FuncoesFormatacao.h"

#include "ArgumentosFormatacao.h"

#include "catalog/FormatoDataHora.h"
#include "catalog/MascaraNumerica.h"
#include "catalog/Repeticao.h"

#include <spreadsheet/FormulaResult.h>

#include <exception>

namespace catalog {

namespace {

constexpr int kErroValor = 3;

// Only std::exception is caught: the engine's own control flow, which is not
// one, passes through untouched.
template <class Calculo>
void responder(spreadsheet::FormulaResult& resultado, const spreadsheet::ArgumentTokens& argumentos,
               Calculo calculo)
{
    try {
        const ArgumentosFormatacao lidos(resultado, argumentos);
        resultado.AddValue(calculo(lidos));
    } catch (const std::exception&) {
        resultado.SetError(kErroValor);
    }
}

bool temSegundo(const ArgumentosFormatacao& lidos)
{
    return lidos.quantidade() >= 2;
}

}  // namespace

void FuncaoFormatarDataHora(spreadsheet::FormulaResult& resultado, const spreadsheet::ArgumentTokens& argumentos)
{
    responder(resultado, argumentos, [](const ArgumentosFormatacao& lidos) {
        const QString formato = temSegundo(lidos) ? lidos.texto(1) : QString();
        return FormatoDataHora::formatar(lidos.dataHora(0), formato, lidos.locale());
    });
}

void FuncaoFmtNum(spreadsheet::FormulaResult& resultado, const spreadsheet::ArgumentTokens& argumentos)
{
    responder(resultado, argumentos, [](const ArgumentosFormatacao& lidos) {
        QString mascara = temSegundo(lidos) ? lidos.texto(1) : QString();
        mascara.replace(u'9', u'#');
        return MascaraNumerica::formatar(lidos.numero(0), mascara, lidos.locale());
    });
}

void FuncaoRept(spreadsheet::FormulaResult& resultado, const spreadsheet::ArgumentTokens& argumentos)
{
    responder(resultado, argumentos, [](const ArgumentosFormatacao& lidos) {
        const double vezes = temSegundo(lidos) ? lidos.numero(1) : 0.0;
        return Repeticao::repetir(lidos.texto(0), vezes);
    });
}

}  // namespace catalog
