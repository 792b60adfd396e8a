#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>

namespace exemplo::testes {

struct FotoPagina;

// A payroll or company function call as a template cell writes it:
// "=fpaEvValor(100;$A7;\"\";$B7)", possibly inside VALUE( ), which turns
// the function's text into a number.
struct ChamadaFolha {
    QString funcao;
    bool emValor = false;
    QStringList argumentos;  // as written

    // None for a formula that is no such call (sums, plain references).
    static std::optional<ChamadaFolha> ler(const QString& formula);

    // The arguments as the function receives them: numbers as doubles,
    // texts as strings, references read from the page, an empty cell or
    // argument as an invalid variant.
    QVariantList valores(const FotoPagina& pagina) const;
};

}  // namespace exemplo::testes
