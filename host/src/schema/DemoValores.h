#pragma once

#include <QDate>
#include <QVariant>

namespace host::demo {

// Amounts are computed in whole cents (rates in millionths) so that every
// machine gets the same numbers; they become decimals only when written.
inline QVariant dinheiro(qint64 centavos)
{
    return static_cast<double>(centavos) / 100.0;
}

inline QVariant taxa(qint64 milionesimos)
{
    return static_cast<double>(milionesimos) / 1000000.0;
}

inline QVariant dia(const QDate& data)
{
    return data.isValid() ? QVariant(data) : QVariant();
}

inline QVariant flag(bool ligado)
{
    return ligado ? QStringLiteral("1") : QStringLiteral("0");
}

// "S" or "N", the union options' way of writing yes and no.
inline QVariant simNao(bool sim)
{
    return sim ? QStringLiteral("S") : QStringLiteral("N");
}

// A share of an amount in cents, rounded down to the cent.
inline qint64 parte(qint64 centavos, qint64 numerador, qint64 denominador)
{
    return centavos * numerador / denominador;
}

}  // namespace host::demo
