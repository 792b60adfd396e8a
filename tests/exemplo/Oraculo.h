#pragma once

#include <spreadsheet/Value.h>

#include <QString>

#include <optional>

namespace exemplo::testes {

struct ChamadaFolha;
struct ContextoCelula;
struct FotoPagina;
struct FuncaoOraculo;

// The oracle's rule for a function, with the family it belongs to.
struct RegraOraculo {
    const char* familia;
    const FuncaoOraculo* funcao;
};

// The rule for a function name (case ignored), or none for a function the
// oracle does not check.
std::optional<RegraOraculo> acharRegra(const QString& funcao);

// The value a cell holding the call should show after the first
// recalculation; raises NaoCoberto for a call beyond the oracle's rules.
spreadsheet::Value valorEsperado(const ChamadaFolha& chamada, const FotoPagina& pagina, const ContextoCelula& contexto);

// Numbers, and texts that are sums in their shortest form, may differ by
// half a cent: the amounts are whole cents and the oracle sums them in
// another order. Any other text must be equal.
bool mesmoValor(const spreadsheet::Value& obtido, const spreadsheet::Value& esperado);
QString descrever(const spreadsheet::Value& valor);

}  // namespace exemplo::testes
