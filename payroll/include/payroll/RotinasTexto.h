#pragma once

#include <QString>

#include <vector>

namespace payroll {

// Small text routines of the payroll functions.
// True when the code is one of the ";"-separated codes (blanks ignored).
bool ListaContemCodigo(const QString& lista, int codigo);
// The codes ListaContemCodigo finds in the list, read once for a loop:
// a code is written as QString::number writes it, so "007" names none.
std::vector<int> CodigosDaLista(const QString& lista);
// Every occurrence of old replaced by new, ignoring case.
QString SubstituirTexto(const QString& texto, const QString& antigo, const QString& novo);
// Without "Dias", "Dia", "%", "hs", "Divs" (in this order, ignoring case), trimmed.
QString RemoverUnidades(const QString& texto);
QString RemoverAspas(const QString& texto);
QString EntreAspas(const QString& texto);
// The default floating-point text: at most 15 significant digits, the
// locale's decimal separator, no grouping (0.1 + 0.2 gives "0,3").
QString TextoReal(double valor);

}  // namespace payroll
