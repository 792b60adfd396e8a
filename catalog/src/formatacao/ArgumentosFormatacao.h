#pragma once

#include <QLocale>
#include <QString>

namespace spreadsheet {
class ArgumentTokens;
class FormulaResult;
}  // namespace spreadsheet

namespace catalog {

// The arguments of one formatting function call, converted as the functions
// need them. Every conversion that fails throws ErroFormatacao.
class ArgumentosFormatacao {
public:
    ArgumentosFormatacao(const spreadsheet::FormulaResult& resultado, const spreadsheet::ArgumentTokens& argumentos);

    int quantidade() const;
    const QLocale& locale() const { return locale_; }

    // A number, or text that reads as one in the locale; empty is 0.
    double numero(int indice) const;
    // A number, or text that reads as a number or a date-time.
    double dataHora(int indice) const;
    // Any value as text; numbers in the general rendering, empty as "".
    QString texto(int indice) const;

private:
    const spreadsheet::FormulaResult& resultado_;
    const spreadsheet::ArgumentTokens& argumentos_;
    QLocale locale_;
};

}  // namespace catalog
