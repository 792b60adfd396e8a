#include "FuncionarioFactory.h"

#include "DemoRandom.h"

#include <algorithm>
#include <array>

namespace host::demo {

namespace {

const QDate kAdmissao100(2019, 3, 11);
const QDate kAdmissao101(2024, 2, 29);
const QDate kDemissao102(2024, 4, 30);
const QDate kDemissao103(2024, 7, 16);
const std::array<QDate, 2> kTransferencias100 = {QDate(2023, 12, 15), QDate(2024, 2, 29)};
const QDate kReajuste100(2024, 5, 1);
const QDate kAdmissaoMaisAntiga(2012, 1, 2);

QDate endOfMonth(const QDate& day)
{
    return QDate(day.year(), day.month(), day.daysInMonth());
}

// Salaries are whole reais; raises are whole percents rounded to the real.
qint64 reajustar(qint64 centavos, int percentual)
{
    return (centavos * (100 + percentual) / 100) / 100 * 100;
}

}  // namespace

FuncionarioFactory::FuncionarioFactory(const DemoDataOptions& options, const QDate& inicioFaixa, const QDate& fimFaixa,
                                       DemoRandom& rng)
    : options_(options), inicioFaixa_(inicioFaixa), fimFaixa_(fimFaixa), rng_(rng)
{
}

Funcionario FuncionarioFactory::criar(const Empresa& empresa, int indice)
{
    Funcionario f;
    f.codigo = DemoModel::kPrimeiroFuncionario + indice;
    f.pessoa = (empresa.codigo - 1) * options_.funcionarios + indice + 1;
    f.admissao = admissao(indice);
    f.demissao = demissao(indice, f.admissao);
    f.tipoContrato = indice == 0 ? 1 : rng_.between(1, kTiposContrato);
    f.sindicato = indice == 0 ? 1 : rng_.between(1, kSindicatos);
    f.locais = locais(indice, f);
    f.salarios = salarios(indice, f);
    if (empresa.rateio) {
        f.rateio = rateio(empresa);
    }
    return f;
}

QDate FuncionarioFactory::admissao(int indice)
{
    if (indice == 0) {
        return kAdmissao100;
    }
    if (indice == 1) {
        return kAdmissao101;
    }
    // 102 and 103 are dismissed within the span, so they start before it.
    if (indice < 4 || rng_.chance(80) || inicioFaixa_.addDays(60) > fimFaixa_) {
        return rng_.dateBetween(kAdmissaoMaisAntiga, inicioFaixa_.addDays(-1));
    }
    return rng_.dateBetween(inicioFaixa_, fimFaixa_.addDays(-60));
}

// A dismissal falls on any day, on the first or on the last day of a month.
QDate FuncionarioFactory::demissao(int indice, const QDate& admissao)
{
    if (indice == 2 || indice == 3) {
        return indice == 2 ? kDemissao102 : kDemissao103;
    }
    const QDate primeiroPossivel = std::max(admissao.addDays(90), inicioFaixa_);
    if (indice == 0 || primeiroPossivel > fimFaixa_ || !rng_.chance(10)) {
        return {};
    }
    const QDate dia = rng_.dateBetween(primeiroPossivel, fimFaixa_);
    switch (rng_.between(0, 2)) {
    case 1:
        return endOfMonth(dia);
    case 2:
        return QDate(dia.year(), dia.month(), 1) > admissao ? QDate(dia.year(), dia.month(), 1) : dia;
    default:
        return dia;
    }
}

QString FuncionarioFactory::classeAleatoria()
{
    std::vector<QString> folhas;
    for (const ClasseOrganograma& classe : classesOrganograma()) {
        if (classe.folha) {
            folhas.push_back(QLatin1String(classe.classif));
        }
    }
    return rng_.pick(std::span<const QString>(folhas));
}

// A transfer moves the employee to another establishment or, when there is
// only one or by chance, to another organogram class.
Local FuncionarioFactory::transferir(const Local& anterior, const QDate& dia)
{
    Local local{dia, anterior.estab, anterior.classif};
    if (options_.estabelecimentos > 1 && rng_.chance(50)) {
        local.estab = anterior.estab % options_.estabelecimentos + 1;
        return local;
    }
    while (local.classif == anterior.classif) {
        local.classif = classeAleatoria();
    }
    return local;
}

std::vector<Local> FuncionarioFactory::locais(int indice, const Funcionario& funcionario)
{
    std::vector<Local> locais{{funcionario.admissao, rng_.between(1, options_.estabelecimentos), classeAleatoria()}};
    std::vector<QDate> dias =
        rng_.distinctDates(funcionario.admissao.addDays(1), funcionario.ultimoDia(fimFaixa_), options_.historicos - 1);
    for (QDate& dia : dias) {
        if (rng_.chance(20) && endOfMonth(dia) <= funcionario.ultimoDia(fimFaixa_)) {
            dia = endOfMonth(dia);
        }
    }
    if (indice == 0) {
        dias.insert(dias.end(), kTransferencias100.begin(), kTransferencias100.end());
    }
    std::sort(dias.begin(), dias.end());
    dias.erase(std::unique(dias.begin(), dias.end()), dias.end());
    for (const QDate& dia : dias) {
        locais.push_back(transferir(locais.back(), dia));
    }
    return locais;
}

std::vector<Salario> FuncionarioFactory::salarios(int indice, const Funcionario& funcionario)
{
    std::vector<Salario> salarios{{funcionario.admissao, 1, rng_.between(1412, 12000) * qint64(100)}};
    // Employee 100's last raise is the fixed one, so the random ones come before it.
    const QDate ultimoReajuste = indice == 0 ? kReajuste100.addDays(-1) : funcionario.ultimoDia(fimFaixa_);
    std::vector<QDate> dias =
        rng_.distinctDates(funcionario.admissao.addDays(30), ultimoReajuste, options_.historicos - 1);
    if (indice == 0) {
        dias.push_back(kReajuste100);
    }
    for (const QDate& dia : dias) {
        salarios.push_back({dia, 1, reajustar(salarios.back().centavos, rng_.between(3, 15))});
    }
    // A correction on the day of the last raise: a second record with the
    // next sequence number.
    const bool corrige = indice == 0 || rng_.chance(30);
    if (salarios.size() > 1 && corrige) {
        const Salario ultimo = salarios.back();
        salarios.push_back({ultimo.data, 2, reajustar(ultimo.centavos, 1)});
    }
    return salarios;
}

std::vector<ParRateio> FuncionarioFactory::rateio(const Empresa& empresa)
{
    static constexpr std::array<std::array<int, 3>, 3> kPercentuais = {{{100, 0, 0}, {60, 40, 0}, {50, 30, 20}}};
    const int partes = rng_.between(1, 3);
    std::vector<ParRateio> pares;
    while (static_cast<int>(pares.size()) < partes) {
        ParRateio par{rng_.pick(std::span<const int>(empresa.outrasEmpresas)),
                      rng_.pick(std::span<const int>(kCentrosCusto)), 0};
        const bool repetido = std::any_of(pares.begin(), pares.end(), [&](const ParRateio& p) {
            return p.outraEmpresa == par.outraEmpresa && p.centroCusto == par.centroCusto;
        });
        if (!repetido) {
            pares.push_back(par);
        }
    }
    for (std::size_t i = 0; i < pares.size(); ++i) {
        pares[i].percentual = kPercentuais[static_cast<std::size_t>(partes - 1)][i];
    }
    return pares;
}

}  // namespace host::demo
