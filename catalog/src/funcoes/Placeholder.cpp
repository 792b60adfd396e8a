#include "Placeholder.h"

#include <spreadsheet/FormulaResult.h>

#include <QLocale>

#include <cmath>
#include <stdexcept>

namespace catalog {

namespace {

// Beyond 2^53 a double no longer holds every whole number; a placeholder
// there would show a number the user never wrote.
constexpr double kMaiorInteiro = 9007199254740992.0;

// PrimeiroArgumentoInteiro: the numeric extraction's success is not looked
// at, so a text that is no number counts as 0.
double primeiroArgumentoInteiro(spreadsheet::FormulaResult& result, const spreadsheet::ArgumentTokens& arguments)
{
    QVariant value;
    result.ExtractNumericParameter(value, arguments, 0);
    const double number = value.isValid() ? value.toDouble() : 0.0;
    if (!std::isfinite(number) || std::fabs(number) > kMaiorInteiro)
        throw std::out_of_range("argumento fora do intervalo");
    return std::trunc(number);
}

QString textoDoArgumento(spreadsheet::FormulaResult& result, const spreadsheet::ArgumentTokens& arguments, int index)
{
    if (result.GetParamsCount(arguments) <= index)
        return {};
    const QVariant value = result.ExtractStringParameter(arguments, index);
    if (!value.isValid())
        return {};
    if (value.typeId() == QMetaType::Double) {
        const double number = value.toDouble();
        if (!std::isfinite(number))
            throw std::out_of_range("argumento não finito");
        QString text = QString::number(number, 'g', 15);
        return text.replace(QLatin1Char('.'), QLocale().decimalPoint());
    }
    return value.toString();
}

}  // namespace

Placeholder Placeholder::numero(double fracao)
{
    return Placeholder(Forma::Numero, fracao, {});
}

Placeholder Placeholder::historico(const char* palavra)
{
    return Placeholder(Forma::Historico, 0.0, QString::fromLatin1(palavra));
}

Placeholder Placeholder::umTexto(const QString& prefixo)
{
    return Placeholder(Forma::UmTexto, 0.0, prefixo);
}

Placeholder Placeholder::doisTextos(const QString& prefixo)
{
    return Placeholder(Forma::DoisTextos, 0.0, prefixo);
}

void Placeholder::avaliar(spreadsheet::FormulaResult& result, const spreadsheet::ArgumentTokens& arguments) const
{
    try {
        switch (forma_) {
        case Forma::Numero:
            result.AddValue(primeiroArgumentoInteiro(result, arguments) + fracao_);
            return;
        case Forma::Historico:
            result.AddValue(texto_ + QLatin1Char('(')
                            + QString::number(qint64(primeiroArgumentoInteiro(result, arguments))) + QLatin1Char(')'));
            return;
        case Forma::UmTexto:
            result.AddValue(texto_ + textoDoArgumento(result, arguments, 0) + QLatin1Char(')'));
            return;
        case Forma::DoisTextos:
            result.AddValue(texto_ + textoDoArgumento(result, arguments, 0) + QLatin1Char(';')
                            + textoDoArgumento(result, arguments, 1) + QLatin1Char(')'));
            return;
        }
    } catch (...) {
        result.SetError(3);
    }
}

}  // namespace catalog
