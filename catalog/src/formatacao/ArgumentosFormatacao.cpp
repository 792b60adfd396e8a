#include "ArgumentosFormatacao.h"

#include "FormaGeral.h"
#include "LeitorDataHora.h"

#include "catalog/ErroFormatacao.h"

#include <spreadsheet/FormulaResult.h>

#include <QVariant>

namespace catalog {

namespace {

// The cell texts of booleans, as the engine shows them.
QString textoLogico(bool valor, const QLocale& locale)
{
    if (locale.language() == QLocale::Portuguese) {
        return valor ? QStringLiteral("VERDADEIRO") : QStringLiteral("FALSO");
    }
    return valor ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

[[noreturn]] void invalido(const QString& texto)
{
    throw ErroFormatacao(QStringLiteral("Valor inválido: \"%1\".").arg(texto));
}

}  // namespace

ArgumentosFormatacao::ArgumentosFormatacao(const spreadsheet::FormulaResult& resultado,
                                           const spreadsheet::ArgumentTokens& argumentos)
    : resultado_(resultado), argumentos_(argumentos)
{
}

int ArgumentosFormatacao::quantidade() const
{
    return resultado_.GetParamsCount(argumentos_);
}

double ArgumentosFormatacao::numero(int indice) const
{
    QVariant valor;
    if (!resultado_.ExtractNumericParameter(valor, argumentos_, indice)) {
        invalido(texto(indice));
    }
    return valor.toDouble();
}

double ArgumentosFormatacao::dataHora(int indice) const
{
    QVariant valor;
    if (resultado_.ExtractNumericParameter(valor, argumentos_, indice)) {
        return valor.toDouble();
    }
    const QString escrito = texto(indice);
    double serial = 0.0;
    if (!LeitorDataHora::ler(escrito, locale_, serial)) {
        invalido(escrito);
    }
    return serial;
}

QString ArgumentosFormatacao::texto(int indice) const
{
    const QVariant valor = resultado_.ExtractStringParameter(argumentos_, indice);
    switch (valor.typeId()) {
    case QMetaType::Double:
        return FormaGeral::texto(valor.toDouble(), locale_);
    case QMetaType::Bool:
        return textoLogico(valor.toBool(), locale_);
    default:
        return valor.toString();
    }
}

}  // namespace catalog
