#pragma once

#include <QString>
#include <QVariant>

#include <algorithm>
#include <span>
#include <stdexcept>
#include <string>

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

class ArgumentosOraculo;
struct ContextoCelula;

// What the oracle expects of one function: a text, or a number for the
// functions that return numbers.
struct FuncaoOraculo {
    const char* nome;
    QVariant (*esperado)(const ArgumentosOraculo& argumentos, const ContextoCelula& contexto);
};

// A column a function's number selects, as the oracle's SQL reads it.
struct ColunaOraculo {
    int numero;
    const char* expressao;
    Tipo tipo;
};

inline const ColunaOraculo* acharColuna(std::span<const ColunaOraculo> colunas, int numero)
{
    const auto found =
        std::find_if(colunas.begin(), colunas.end(), [numero](const ColunaOraculo& c) { return c.numero == numero; });
    return found == colunas.end() ? nullptr : &*found;
}

// A call the oracle has no rule for: the templates ask for more than the
// oracle knows, and the oracle must grow with them.
class NaoCoberto : public std::runtime_error {
public:
    explicit NaoCoberto(const std::string& oque) : std::runtime_error("oráculo não cobre " + oque) {}
};

// The three families of functions the oracle knows. Cadastro: registration
// data looked up by key (employee, totals, GPS, other company, organogram,
// the four histories, the company and page functions). Movimento: amounts
// of the run step summed over a cell's break (events, apportioned events,
// calculated taxes). Provisão: vacation and 13th-salary provisions of the
// run's competence months, plain and apportioned.
std::span<const FuncaoOraculo> funcoesCadastro();
std::span<const FuncaoOraculo> funcoesMovimento();
std::span<const FuncaoOraculo> funcoesProvisao();

}  // namespace exemplo::testes
