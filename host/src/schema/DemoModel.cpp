#include "DemoModel.h"

#include "DemoRandom.h"
#include "FuncionarioFactory.h"

#include "host/HostError.h"

#include <algorithm>
#include <cmath>

namespace host::demo {

namespace {

constexpr ClasseOrganograma kClasses[] = {
    {"01", "Administração", false},      {"01.01", "Diretoria", true}, {"01.02", "Financeiro", true},
    {"01.03", "Recursos Humanos", true}, {"02", "Operações", false},   {"02.01", "Produção", true},
    {"02.02", "Logística", true},        {"03", "Comercial", false},   {"03.01", "Vendas", true},
};

// Streams of DemoRandom, one per family of tables.
constexpr quint32 kStreamModelo = 1;

const QDate kInicioFaixa(2023, 11, 1);

void validate(const DemoDataOptions& options)
{
    const bool valid = options.empresas >= 1 && options.estabelecimentos >= 1 && options.funcionarios >= 1
                       && options.periodos >= 1 && options.eventosPorFuncionario >= 1 && options.historicos >= 1
                       && options.parcelaRateio >= 0.0 && options.parcelaRateio <= 1.0;
    if (!valid) {
        throw HostError(QStringLiteral("Opções inválidas para a base de demonstração."));
    }
}

Periodo mensal(int codigo, const QDate& compet)
{
    return {codigo, TipoPeriodo::Mensal, compet, compet, compet.addMonths(1).addDays(-1)};
}

// The 13th salary is advanced in November and settled by 20 December.
Periodo decimoTerceiro(int codigo, const QDate& compet)
{
    if (compet.month() == 11) {
        return {codigo, TipoPeriodo::Adiantamento13, compet, compet, compet.addMonths(1).addDays(-1)};
    }
    return {codigo, TipoPeriodo::Salario13, compet, compet, QDate(compet.year(), 12, 20)};
}

}  // namespace

std::span<const ClasseOrganograma> classesOrganograma()
{
    return kClasses;
}

bool Funcionario::ativoEm(const Periodo& periodo) const
{
    return admissao <= periodo.fim && (!demissao.isValid() || demissao >= periodo.inicio);
}

const Local& Funcionario::localEm(const QDate& dia) const
{
    auto after = std::upper_bound(locais.begin(), locais.end(), dia,
                                  [](const QDate& d, const Local& local) { return d < local.data; });
    return after == locais.begin() ? locais.front() : *std::prev(after);
}

qint64 Funcionario::salarioEm(const QDate& dia) const
{
    qint64 valor = salarios.front().centavos;
    for (const Salario& salario : salarios) {
        if (salario.data <= dia) {
            valor = salario.centavos;
        }
    }
    return valor;
}

QDate Funcionario::ultimoDia(const QDate& fimFaixa) const
{
    return demissao.isValid() ? std::min(demissao, fimFaixa) : fimFaixa;
}

DemoModel::DemoModel(const DemoDataOptions& options) : opcoes_(options) {}

DemoModel DemoModel::build(const DemoDataOptions& options)
{
    validate(options);
    DemoModel model(options);
    model.buildPeriods();
    model.buildCompanies();
    return model;
}

QDate DemoModel::inicioFaixa() const
{
    return kInicioFaixa;
}

QDate DemoModel::fimFaixa() const
{
    return kInicioFaixa.addMonths(opcoes_.periodos).addDays(-1);
}

// Monthly periods take the codes 1 to n in month order; the 13th-salary
// periods follow them, also in month order.
void DemoModel::buildPeriods()
{
    std::vector<Periodo> decimos;
    for (int m = 0; m < opcoes_.periodos; ++m) {
        const QDate compet = kInicioFaixa.addMonths(m);
        periodos_.push_back(mensal(m + 1, compet));
        if (compet.month() >= 11) {
            decimos.push_back(decimoTerceiro(0, compet));
        }
    }
    int codigo = opcoes_.periodos;
    for (Periodo& periodo : decimos) {
        periodo.codigo = ++codigo;
        periodos_.push_back(periodo);
    }
}

void DemoModel::buildCompanies()
{
    DemoRandom rng(opcoes_.seed, kStreamModelo);
    const auto comRateio = static_cast<int>(std::lround(opcoes_.empresas * opcoes_.parcelaRateio));
    FuncionarioFactory factory(opcoes_, kInicioFaixa, fimFaixa(), rng);
    for (int c = 1; c <= opcoes_.empresas; ++c) {
        Empresa empresa{c, c <= comRateio, {}, {}};
        for (int k = 0; k < kLigacoesPorEmpresa; ++k) {
            empresa.outrasEmpresas.push_back((c - 1 + k) % kOutrasEmpresas + 1);
        }
        for (int i = 0; i < opcoes_.funcionarios; ++i) {
            empresa.funcionarios.push_back(factory.criar(empresa, i));
        }
        empresas_.push_back(std::move(empresa));
    }
}

}  // namespace host::demo
