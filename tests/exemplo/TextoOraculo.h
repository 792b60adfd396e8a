#pragma once

#include <QString>
#include <QVariant>

namespace exemplo::testes {

// The kinds of database column whose text forms differ.
enum class Tipo { Texto, Inteiro, Real, Data };

// The text a payroll function shows for a column value read by the
// oracle's own SQL: dates in the locale's short form, reals in their
// shortest form, a null as the empty text.
QString textoColuna(const QVariant& valor, Tipo tipo);
// At most 15 significant digits, the locale's decimal separator, no grouping.
QString textoReal(double valor);
// To the nearest whole number, halves to the even neighbour.
int arredondarPar(double valor);

}  // namespace exemplo::testes
