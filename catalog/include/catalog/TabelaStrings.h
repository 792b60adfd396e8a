#pragma once

#include <QString>

namespace catalog {

// The program's texts by numeric id. Ranges:
//   65392-65439  function names, by the name ids of the registration table
//   66001-66020  function descriptions, the hints of the formula actions
//   66101-66104  help texts of the parameters nConta, nMesRef, nFilial and nAno
class TabelaStrings {
public:
    static constexpr int kPrimeiraDescricao = 66001;
    static constexpr int kPrimeiraAjudaParametro = 66101;

    // Empty for an id that is not in the table.
    static QString texto(int id);
    static bool contem(int id);
    // The help text shown when the editor of that parameter is entered;
    // empty for parameters without one.
    static QString ajudaParametro(const QString& nomeParametro);
};

}  // namespace catalog
