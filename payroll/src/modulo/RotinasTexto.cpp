#include "payroll/RotinasTexto.h"

#include "mascara/FormatoNumero.h"

#include <QLocale>

#include <algorithm>
#include <QStringList>

namespace payroll {

bool ListaContemCodigo(const QString& lista, int codigo)
{
    const std::vector<int> codigos = CodigosDaLista(lista);
    return std::find(codigos.begin(), codigos.end(), codigo) != codigos.end();
}

std::vector<int> CodigosDaLista(const QString& lista)
{
    std::vector<int> codigos;
    for (const QStringView item : QStringView(lista).tokenize(u';')) {
        const QStringView codigo = item.trimmed();
        bool ok = false;
        const int valor = codigo.toInt(&ok);
        if (ok && codigo == QString::number(valor))
            codigos.push_back(valor);
    }
    return codigos;
}

QString SubstituirTexto(const QString& texto, const QString& antigo, const QString& novo)
{
    QString result = texto;
    return antigo.isEmpty() ? result : result.replace(antigo, novo, Qt::CaseInsensitive);
}

QString RemoverUnidades(const QString& texto)
{
    // Most texts are bare numbers: without a letter or a percent sign there
    // is no unit to look for.
    const bool semUnidade = std::none_of(texto.cbegin(), texto.cend(),
                                         [](QChar c) { return c.isLetter() || c == QLatin1Char('%'); });
    if (semUnidade)
        return texto.trimmed();
    QString result = texto;
    for (const char* unit : {"Dias", "Dia", "%", "hs", "Divs"})
        result = SubstituirTexto(result, QString::fromLatin1(unit), QString());
    return result.trimmed();
}

QString RemoverAspas(const QString& texto)
{
    QString result = texto;
    return result.remove(QLatin1Char('\''));
}

QString EntreAspas(const QString& texto)
{
    return QLatin1Char('\'') + texto + QLatin1Char('\'');
}

QString TextoReal(double valor)
{
    QString text = FormatoNumero::geral(valor);
    return text.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

}  // namespace payroll
