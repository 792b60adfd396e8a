#include "FormaGeral.h"

#include "DigitosDecimais.h"

namespace catalog {

namespace {

constexpr int kMenorExpoenteFixo = -4;  // 0.00001 = 0.1 x 10^-4

QString cientifica(const DigitosDecimais& d, const QLocale& locale)
{
    const std::string& digitos = d.digitos();
    QString texto(QChar::fromLatin1(digitos.front()));
    if (digitos.size() > 1) {
        texto += locale.decimalPoint() + QString::fromLatin1(digitos.substr(1));
    }
    return texto + u'E' + QString::number(d.expoente() - 1);
}

QString fixa(const DigitosDecimais& d, const QLocale& locale)
{
    const std::string inteira = d.parteInteira();
    const std::string fracao = d.parteFracionaria();
    QString texto = inteira.empty() ? QStringLiteral("0") : QString::fromLatin1(inteira);
    if (!fracao.empty()) {
        texto += locale.decimalPoint() + QString::fromLatin1(fracao);
    }
    return texto;
}

}  // namespace

QString FormaGeral::texto(double valor, const QLocale& locale)
{
    const DigitosDecimais d(valor);
    if (d.zero()) {
        return QStringLiteral("0");
    }
    const bool cient = d.expoente() > DigitosDecimais::kPrecisao || d.expoente() < kMenorExpoenteFixo;
    const QString corpo = cient ? cientifica(d, locale) : fixa(d, locale);
    return d.negativo() ? u'-' + corpo : corpo;
}

}  // namespace catalog
