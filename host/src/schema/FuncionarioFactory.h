#pragma once

#include "DemoModel.h"

namespace host::demo {

class DemoRandom;

// Makes the employees of the demo companies. The first ones of every company
// have a fixed story, so that examples and tests can count on it:
//   100: admitted 2019-03-11, never dismissed, transferred on 2023-12-15 and
//        on 2024-02-29 (the last day of a leap February), two salary records
//        on 2024-05-01 (sequences 1 and 2);
//   101: admitted on 2024-02-29;
//   102: dismissed on 2024-04-30, the last day of its month;
//   103: dismissed on 2024-07-16, in the middle of its month.
// The others are drawn at random.
class FuncionarioFactory {
public:
    FuncionarioFactory(const DemoDataOptions& options, const QDate& inicioFaixa, const QDate& fimFaixa,
                       DemoRandom& rng);

    Funcionario criar(const Empresa& empresa, int indice);

private:
    QDate admissao(int indice);
    QDate demissao(int indice, const QDate& admissao);
    std::vector<Local> locais(int indice, const Funcionario& funcionario);
    Local transferir(const Local& anterior, const QDate& dia);
    std::vector<Salario> salarios(int indice, const Funcionario& funcionario);
    std::vector<ParRateio> rateio(const Empresa& empresa);
    QString classeAleatoria();

    DemoDataOptions options_;
    QDate inicioFaixa_;
    QDate fimFaixa_;
    DemoRandom& rng_;
};

}  // namespace host::demo
