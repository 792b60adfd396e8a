#pragma once

#include <QString>
#include <QStringList>

namespace host {
class TnDMPlanilha;
}

namespace payroll {
class TnFpaDMPlanilha;
}

namespace generation {

// The parameters of a run, read once from the template's defined names;
// the payroll functions see them as the data module's run context.
struct ContextoExecucao {
    QString empresas;
    QString periodoCalculo;
    QString filiais;
    QString funcionarios;
    QString centroCustos;
    QString localContabil;
    QStringList colunas;  // replication column letters, upper case, in order

    // "Empresas" and "PeriodoCalculo" must be defined (the host raises),
    // the others read as empty when missing.
    static ContextoExecucao Ler(const host::TnDMPlanilha& dm);
    // A range or a list of periods rather than one period.
    static bool MultiplosPeriodos(const QString& periodo);

    // Writes the context into the module, where the functions read it.
    void Aplicar(payroll::TnFpaDMPlanilha& dm, bool temRateio) const;
};

}  // namespace generation
