#include "payroll/ArgumentosFolha.h"

#include "payroll/RotinasTexto.h"

#include "host/HostError.h"

#include <spreadsheet/FormulaResult.h>

#include <QLocale>

#include <cmath>
#include <optional>

namespace payroll {

namespace {

// Up to nine digits, perhaps after a minus: read without Qt's general
// conversion, as every payroll cell reads several codes.
std::optional<int> digitos(QStringView text)
{
    const bool negativo = text.startsWith(u'-');
    const QStringView corpo = negativo ? text.mid(1) : text;
    if (corpo.isEmpty() || corpo.size() > 9)
        return std::nullopt;
    int valor = 0;
    for (const QChar c : corpo) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        valor = valor * 10 + (c.unicode() - u'0');
    }
    return negativo ? -valor : valor;
}

}  // namespace

ArgumentosFolha::ArgumentosFolha(spreadsheet::FormulaResult& result, const spreadsheet::ArgumentTokens& arguments)
    : result_(result), arguments_(arguments), count_(result.GetParamsCount(arguments))
{
}

QVariant ArgumentosFolha::valor(int index) const
{
    return index < count_ ? result_.ExtractStringParameter(arguments_, index) : QVariant();
}

// An omitted argument and an empty cell both mean "not given".
double ArgumentosFolha::numeroReal(int index) const
{
    // Codes come as numbers or as digits in a text: both are read from the
    // argument's value, without the variant every other case goes through.
    if (index < count_) {
        const spreadsheet::Value direto = result_.argumentValue(arguments_, index);
        if (direto.isNumber() && std::isfinite(direto.number()))
            return direto.number();
        if (direto.isText()) {
            if (const std::optional<int> codigo = digitos(QStringView(direto.text()).trimmed()))
                return *codigo;
        }
    }
    const QVariant value = valor(index);
    if (!value.isValid())
        return -1.0;
    bool ok = true;
    double number = 0.0;
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        // A code written as digits reads the same in every locale, and
        // most text arguments are codes.
        if (const std::optional<int> codigo = digitos(text))
            return *codigo;
        number = text.toInt(&ok);
        if (!ok)
            number = QLocale().toDouble(text, &ok);
        if (!ok)
            number = QLocale::c().toDouble(text, &ok);
    } else {
        number = value.toDouble(&ok);
    }
    if (!ok || !std::isfinite(number))
        throw host::HostError(QStringLiteral("'%1' não é um valor numérico válido.").arg(value.toString()));
    return number;
}

int ArgumentosFolha::numero(int index) const
{
    const double rounded = std::nearbyint(numeroReal(index));  // the default rounding: halves to even
    if (rounded < -2147483648.0 || rounded > 2147483647.0)
        throw host::HostError(QStringLiteral("Valor fora do intervalo de um código: %1").arg(rounded, 0, 'g', 15));
    return static_cast<int>(rounded);
}

QString ArgumentosFolha::texto(int index) const
{
    // Most text arguments are plain texts or left empty: those are taken
    // from the argument's value, without the variant.
    if (index >= count_)
        return {};
    const spreadsheet::Value direto = result_.argumentValue(arguments_, index);
    if (direto.isText())
        return direto.text();
    if (direto.isEmpty())
        return {};
    const QVariant value = valor(index);
    if (!value.isValid())
        return {};
    if (value.typeId() == QMetaType::Double)
        return TextoReal(value.toDouble());
    return value.toString();
}

QString ArgumentosFolha::organograma(int index) const
{
    return RemoverAspas(texto(index));
}

}  // namespace payroll
