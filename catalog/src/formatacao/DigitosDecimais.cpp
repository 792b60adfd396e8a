#include "DigitosDecimais.h"

#include "catalog/ErroFormatacao.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace catalog {

DigitosDecimais::DigitosDecimais(double valor)
{
    if (!std::isfinite(valor)) {
        throw ErroFormatacao(QStringLiteral("O número não é finito."));
    }
    negativo_ = std::signbit(valor);
    if (valor == 0.0) {
        return;
    }
    // "d.dddddddddddddde+XX": to_chars is exact and ignores the C locale.
    std::array<char, 32> texto{};
    const auto fim = std::to_chars(texto.data(), texto.data() + texto.size(), std::fabs(valor),
                                   std::chars_format::scientific, kPrecisao - 1)
                         .ptr;
    const std::string escrito(texto.data(), fim);
    const auto marca = escrito.find('e');
    digitos_ = escrito.substr(0, 1) + escrito.substr(2, marca - 2);
    expoente_ = std::atoi(escrito.c_str() + marca + 1) + 1;
    normalizar();
}

void DigitosDecimais::arredondarCasas(int casas)
{
    manterDigitos(expoente_ + casas);
}

void DigitosDecimais::arredondarSignificativos(int quantos)
{
    manterDigitos(quantos);
}

void DigitosDecimais::manterDigitos(int quantos)
{
    if (quantos >= static_cast<int>(digitos_.size())) {
        return;
    }
    if (quantos < 0) {
        digitos_.clear();
        normalizar();
        return;
    }
    const bool sobe = digitos_[static_cast<std::size_t>(quantos)] >= '5';
    digitos_.resize(static_cast<std::size_t>(quantos));
    if (sobe) {
        auto posicao = digitos_.rbegin();
        while (posicao != digitos_.rend() && *posicao == '9') {
            *posicao++ = '0';
        }
        if (posicao == digitos_.rend()) {
            digitos_.insert(digitos_.begin(), '1');
            ++expoente_;
        } else {
            ++*posicao;
        }
    }
    normalizar();
}

void DigitosDecimais::normalizar()
{
    const auto ultimo = digitos_.find_last_not_of('0');
    digitos_.resize(ultimo == std::string::npos ? 0 : ultimo + 1);
    if (digitos_.empty()) {
        expoente_ = 0;
    }
}

std::string DigitosDecimais::parteInteira() const
{
    if (expoente_ <= 0) {
        return {};
    }
    const auto tamanho = static_cast<std::size_t>(expoente_);
    std::string inteira = digitos_.substr(0, tamanho);
    inteira.resize(tamanho, '0');
    return inteira;
}

std::string DigitosDecimais::parteFracionaria() const
{
    const auto total = static_cast<int>(digitos_.size());
    if (expoente_ >= total) {
        return {};
    }
    if (expoente_ < 0) {
        return std::string(static_cast<std::size_t>(-expoente_), '0') + digitos_;
    }
    return digitos_.substr(static_cast<std::size_t>(expoente_));
}

}  // namespace catalog
