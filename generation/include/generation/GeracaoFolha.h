#pragma once

#include "generation/ContextoExecucao.h"

#include <QString>
#include <QStringList>

namespace payroll {
class TnFpaDMPlanilha;
}

namespace spreadsheet {
class Sheet;
}

namespace generation {

// The generation run of the payroll data module: one page per company of
// the template's list (PaginaEmpresa builds each), with the run's context
// read once and the queries of its payroll functions read ahead.
class GeracaoFolha {
public:
    explicit GeracaoFolha(payroll::TnFpaDMPlanilha& dm);

    // The whole run; returns normally when the user cancels.
    void Executar();

    // The names of the functions called by the sheet's formulas, upper case,
    // in the order the calculation meets them: column by column, each
    // column from the top.
    static QStringList FuncoesDasFormulas(const spreadsheet::Sheet& folha);

private:
    void iniciar();
    void executarEmpresas();
    void empresa(int codigo);
    void lerCompetencia();
    void finalizar();
    void linha(const QString& texto, int n = 0);
    bool calculoInterrompido();

    payroll::TnFpaDMPlanilha& dm_;
    ContextoExecucao FContexto;
    bool FHistoricoLigado = true;
    bool FEmAtualizacao = false;
};

}  // namespace generation
