#pragma once

#include "host/DemoDataGenerator.h"

#include <QDate>
#include <QString>

#include <span>
#include <vector>

namespace host::demo {

// Kinds of payroll period.
enum class TipoPeriodo { Mensal = 1, Adiantamento13 = 2, Salario13 = 3 };

struct Periodo {
    int codigo;
    TipoPeriodo tipo;
    QDate compet;  // first day of the competence month
    QDate inicio;
    QDate fim;
};

struct Local {
    QDate data;
    int estab;
    QString classif;
};

struct Salario {
    QDate data;
    int seq;
    qint64 centavos;
};

// One share of an employee's apportionment; the shares add up to 100.
struct ParRateio {
    int outraEmpresa;
    int centroCusto;
    int percentual;
};

struct Funcionario {
    int codigo;
    int pessoa;
    QDate admissao;
    QDate demissao;  // null while employed
    int tipoContrato;
    int sindicato;
    std::vector<Local> locais;      // by date, the first on the admission day
    std::vector<Salario> salarios;  // by date and sequence
    std::vector<ParRateio> rateio;  // empty in a company without apportionment

    bool ativoEm(const Periodo& periodo) const;
    const Local& localEm(const QDate& dia) const;
    qint64 salarioEm(const QDate& dia) const;
    // The last day the employee is in the company within the demo span.
    QDate ultimoDia(const QDate& fimFaixa) const;
};

struct Empresa {
    int codigo;
    bool rateio;
    std::vector<int> outrasEmpresas;
    std::vector<Funcionario> funcionarios;
};

// Everything the table writers share: the periods, the companies and their
// employees with their places, salaries and apportionment over time.
class DemoModel {
public:
    static DemoModel build(const DemoDataOptions& options);

    const DemoDataOptions& opcoes() const { return opcoes_; }
    const std::vector<Periodo>& periodos() const { return periodos_; }
    const std::vector<Empresa>& empresas() const { return empresas_; }
    QDate inicioFaixa() const;
    QDate fimFaixa() const;

    static constexpr int kPrimeiroFuncionario = 100;
    static constexpr int kOutrasEmpresas = 8;
    static constexpr int kLigacoesPorEmpresa = 6;

private:
    explicit DemoModel(const DemoDataOptions& options);
    void buildPeriods();
    void buildCompanies();

    DemoDataOptions opcoes_;
    std::vector<Periodo> periodos_;
    std::vector<Empresa> empresas_;
};

// The organogram classes every establishment has, and the ones employees sit in.
struct ClasseOrganograma {
    const char* classif;
    const char* descricao;
    bool folha;
};
std::span<const ClasseOrganograma> classesOrganograma();

inline constexpr int kCentrosCusto[] = {10, 20, 30, 40};
inline constexpr int kSindicatos = 3;
inline constexpr int kTiposContrato = 4;

}  // namespace host::demo
