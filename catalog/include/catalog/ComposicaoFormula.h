#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace catalog {

// One editor of the formula parameter dialog: the parameter's name
// (nCodigoFunc, nOrganograma...) and what the user typed.
struct ValorParametro {
    QString nome;
    QString valor;
};

// "=" name "(" arguments ")": the leading argument, then every editor value
// with blanks and control characters trimmed, empty ones skipped, joined by ";".
QString GerarFormula(const QString& funcao, const QString& campo, const std::vector<ValorParametro>& editores);

// The payroll adjustment, from the last editor to the first: an organogram
// class becomes a text literal unless it is a cell reference, and every gap
// before a later value is filled with "-1", so positions keep their meaning.
void AjustarParamFpa(std::vector<ValorParametro>& editores);

}  // namespace catalog
