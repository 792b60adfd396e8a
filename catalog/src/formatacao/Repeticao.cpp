#include "catalog/Repeticao.h"

#include "catalog/ErroFormatacao.h"

#include <cmath>
#include <limits>

namespace catalog {

namespace {

// Independent of the floating-point rounding mode, unlike nearbyint.
double arredondarParaPar(double valor)
{
    const double arredondado = std::round(valor);
    if (std::fabs(valor - std::trunc(valor)) == 0.5) {
        return 2.0 * std::round(valor / 2.0);
    }
    return arredondado;
}

int contagem(double vezes)
{
    constexpr auto kMaximo = static_cast<double>(std::numeric_limits<int>::max());
    const double arredondado = arredondarParaPar(vezes);
    // Negated so that NaN fails as well.
    if (!(std::fabs(arredondado) <= kMaximo)) {
        throw ErroFormatacao(QStringLiteral("Número de repetições inválido: %1.").arg(vezes));
    }
    return static_cast<int>(arredondado);
}

}  // namespace

QString Repeticao::repetir(const QString& texto, double vezes)
{
    const int n = contagem(vezes);
    if (n <= 0 || texto.isEmpty()) {
        return {};
    }
    if (texto.size() > kLimite / n) {
        throw ErroFormatacao(QStringLiteral("O texto repetido passaria de %1 caracteres.").arg(kLimite));
    }
    return texto.repeated(n);
}

}  // namespace catalog
