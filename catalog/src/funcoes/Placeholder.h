#pragma once

#include <QString>

namespace spreadsheet {
class ArgumentTokens;
class FormulaResult;
}  // namespace spreadsheet

namespace catalog {

// What a custom function shows outside a generation run: a recognisable
// value built from its arguments, never a database read.
class Placeholder {
public:
    // The first argument truncated to a whole number, plus the function's
    // fraction (100.03 for fpaEvValor(100)).
    static Placeholder numero(double fracao);
    // "Cargo(" whole first argument ")".
    static Placeholder historico(const char* palavra);
    // prefix, the first argument as text, ")".
    static Placeholder umTexto(const QString& prefixo);
    // prefix, the first two arguments as text joined by ";", ")".
    static Placeholder doisTextos(const QString& prefixo);

    // Any failure shows the value error; nothing escapes to the engine.
    void avaliar(spreadsheet::FormulaResult& result, const spreadsheet::ArgumentTokens& arguments) const;

private:
    enum class Forma { Numero, Historico, UmTexto, DoisTextos };
    Placeholder(Forma forma, double fracao, QString texto) : forma_(forma), fracao_(fracao), texto_(std::move(texto)) {}

    Forma forma_;
    double fracao_;
    QString texto_;
};

}  // namespace catalog
