#pragma once

#include "TextoOraculo.h"

#include <QVariant>

#include <algorithm>
#include <span>
#include <stdexcept>
#include <string>

namespace exemplo::testes {

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

}  // namespace exemplo::testes
