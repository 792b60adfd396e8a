#include "Documentos.h"

#include <span>

namespace host::demo {

namespace {

// The check digit of the mod-11 schemes: the weighted sum's remainder below
// 2 gives 0, otherwise 11 minus it.
int digito(const QString& digitos, std::span<const int> pesos)
{
    int soma = 0;
    for (std::size_t i = 0; i < pesos.size(); ++i) {
        soma += digitos.at(static_cast<qsizetype>(i)).digitValue() * pesos[i];
    }
    const int resto = soma % 11;
    return resto < 2 ? 0 : 11 - resto;
}

QString comDigito(const QString& digitos, std::span<const int> pesos)
{
    return digitos + QString::number(digito(digitos, pesos));
}

}  // namespace

QString Documentos::cpf(int base)
{
    static constexpr int kPrimeiro[] = {10, 9, 8, 7, 6, 5, 4, 3, 2};
    static constexpr int kSegundo[] = {11, 10, 9, 8, 7, 6, 5, 4, 3, 2};
    const QString digitos = QStringLiteral("%1").arg(base, 9, 10, QLatin1Char('0'));
    return comDigito(comDigito(digitos, kPrimeiro), kSegundo);
}

QString Documentos::cnpj(int raiz, int filial)
{
    static constexpr int kPrimeiro[] = {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    static constexpr int kSegundo[] = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    const QString digitos =
        QStringLiteral("%1%2").arg(raiz, 8, 10, QLatin1Char('0')).arg(filial, 4, 10, QLatin1Char('0'));
    return comDigito(comDigito(digitos, kPrimeiro), kSegundo);
}

QString Documentos::pis(qint64 base)
{
    static constexpr int kPesos[] = {3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    return comDigito(QStringLiteral("%1").arg(base, 10, 10, QLatin1Char('0')), kPesos);
}

}  // namespace host::demo
