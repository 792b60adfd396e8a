#include "EscritorMascara.h"

#include <algorithm>
#include <cstdlib>

namespace catalog {

namespace {

constexpr int kDigitosPorGrupo = 3;

void completarEsquerda(std::string& digitos, int minimo)
{
    if (static_cast<int>(digitos.size()) < minimo) {
        digitos.insert(0, static_cast<std::size_t>(minimo) - digitos.size(), '0');
    }
}

void completarDireita(std::string& digitos, int minimo)
{
    if (static_cast<int>(digitos.size()) < minimo) {
        digitos.resize(static_cast<std::size_t>(minimo), '0');
    }
}

}  // namespace

EscritorMascara::EscritorMascara(const SecaoMascara& secao, const QLocale& locale)
    : secao_(secao), separadorDecimal_(locale.decimalPoint()), separadorGrupo_(locale.groupSeparator())
{
}

QString EscritorMascara::fixo(const DigitosDecimais& numero) const
{
    return escrever(numero.parteInteira(), numero.parteFracionaria(), 0);
}

QString EscritorMascara::cientifico(DigitosDecimais numero) const
{
    const int inteiros = secao_.inteiros();
    numero.arredondarSignificativos(std::max(1, inteiros + secao_.fracionarios()));
    if (numero.zero()) {
        return escrever("0", {}, 0);
    }
    std::string digitos = numero.digitos();
    completarDireita(digitos, inteiros);
    const auto corte = static_cast<std::size_t>(inteiros);
    return escrever(digitos.substr(0, corte), digitos.substr(corte), numero.expoente() - inteiros);
}

QString EscritorMascara::escrever(std::string inteira, std::string fracao, int expoente) const
{
    completarEsquerda(inteira, secao_.minimoInteiros());
    completarDireita(fracao, secao_.minimoFracao());
    const int tamanho = static_cast<int>(inteira.size());
    const bool agrupar = secao_.agrupar() && !secao_.cientifica();
    QString saida;
    // posicao counts integer digits from the right, 0 being the units.
    const auto digito = [&](int posicao) {
        saida += QChar::fromLatin1(inteira[static_cast<std::size_t>(tamanho - 1 - posicao)]);
        if (agrupar && posicao > 0 && posicao % kDigitosPorGrupo == 0) {
            saida += separadorGrupo_;
        }
    };
    bool excedenteEscrito = false;
    int inteirosVistos = 0;
    std::size_t fracaoVista = 0;
    for (const ElementoMascara& elemento : secao_.elementos()) {
        using Tipo = ElementoMascara::Tipo;
        if (elemento.tipo == Tipo::Literal) {
            saida += elemento.texto;
            continue;
        }
        if (elemento.tipo == Tipo::Expoente) {
            saida += textoExpoente(elemento.texto, expoente);
            continue;
        }
        if (!excedenteEscrito) {
            // Digits beyond the mask's integer positions go before the first one.
            excedenteEscrito = true;
            for (int posicao = tamanho - 1; posicao >= secao_.inteiros(); --posicao) {
                digito(posicao);
            }
        }
        if (elemento.tipo == Tipo::Ponto) {
            if (!fracao.empty()) {
                saida += separadorDecimal_;
            }
        } else if (inteirosVistos < secao_.inteiros()) {
            const int posicao = secao_.inteiros() - 1 - inteirosVistos++;
            if (posicao < tamanho) {
                digito(posicao);
            }
        } else if (fracaoVista < fracao.size()) {
            saida += QChar::fromLatin1(fracao[fracaoVista++]);
        }
    }
    return saida;
}

QString EscritorMascara::textoExpoente(const QString& letra, int expoente) const
{
    QString sinal;
    if (expoente < 0) {
        sinal = QStringLiteral("-");
    } else if (secao_.expoenteComSinal()) {
        sinal = QStringLiteral("+");
    }
    const QString digitos = QString::number(std::abs(expoente));
    return letra + sinal + digitos.rightJustified(secao_.digitosExpoente(), u'0');
}

}  // namespace catalog
