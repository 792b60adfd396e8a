#include "catalog/MascaraNumerica.h"

#include "DigitosDecimais.h"
#include "EscritorMascara.h"
#include "FormaGeral.h"
#include "SecaoMascara.h"

#include <vector>

namespace catalog {

namespace {

enum Secao { kPositiva = 0, kNegativa = 1, kZero = 2, kSecoes = 3 };

// Above this many integer digits a plain mask would print digits the
// number does not have; the general rendering is used instead.
constexpr int kMaxDigitosInteiros = 18;

std::vector<SecaoMascara> dividir(QStringView mascara)
{
    std::vector<SecaoMascara> secoes;
    QChar aspa;
    qsizetype inicio = 0;
    for (qsizetype i = 0; i <= mascara.size(); ++i) {
        const bool fim = i == mascara.size();
        const QChar c = fim ? QChar() : mascara[i];
        if (!fim && !aspa.isNull()) {
            aspa = c == aspa ? QChar() : aspa;
        } else if (c == u'"' || c == u'\'') {
            aspa = c;
        } else if (fim || c == u';') {
            secoes.emplace_back(mascara.mid(inicio, i - inicio));
            inicio = i + 1;
            if (secoes.size() == kSecoes) {
                break;
            }
        }
    }
    return secoes;
}

bool usavel(const std::vector<SecaoMascara>& secoes, int indice)
{
    return indice < static_cast<int>(secoes.size()) && !secoes[static_cast<std::size_t>(indice)].vazia();
}

int escolher(const std::vector<SecaoMascara>& secoes, bool zero, bool negativo)
{
    if (zero) {
        return usavel(secoes, kZero) ? kZero : kPositiva;
    }
    if (negativo) {
        return usavel(secoes, kNegativa) ? kNegativa : kPositiva;
    }
    return kPositiva;
}

DigitosDecimais arredondado(const SecaoMascara& secao, DigitosDecimais numero)
{
    if (!secao.cientifica()) {
        numero.arredondarCasas(secao.fracionarios());
    }
    return numero;
}

}  // namespace

QString MascaraNumerica::formatar(double numero, const QString& mascara, const QLocale& locale)
{
    const std::vector<SecaoMascara> secoes = dividir(mascara);
    const DigitosDecimais original(numero);
    if (!usavel(secoes, kPositiva)) {
        return FormaGeral::texto(numero, locale);
    }
    int indice = escolher(secoes, original.zero(), original.negativo());
    DigitosDecimais digitos = arredondado(secoes[static_cast<std::size_t>(indice)], original);
    if (digitos.zero() && !original.zero()) {
        indice = escolher(secoes, true, false);
        digitos = arredondado(secoes[static_cast<std::size_t>(indice)], digitos);
    }
    const SecaoMascara& secao = secoes[static_cast<std::size_t>(indice)];
    if (!secao.cientifica() && digitos.expoente() > kMaxDigitosInteiros) {
        return FormaGeral::texto(numero, locale);
    }
    const EscritorMascara escritor(secao, locale);
    const QString texto = secao.cientifica() ? escritor.cientifico(digitos) : escritor.fixo(digitos);
    const bool sinal = indice == kPositiva && original.negativo() && !digitos.zero();
    return sinal ? u'-' + texto : texto;
}

}  // namespace catalog
