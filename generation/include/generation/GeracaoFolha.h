#pragma once

#include "generation/ReplicacaoFolha.h"

#include <QString>
#include <QStringList>

namespace payroll {
class TnFpaDMPlanilha;
}

namespace generation {

// The generation run of the payroll data module: one page per company of
// the template's list, filled from the layout, replicated, recalculated,
// reduced and frozen to values.
class GeracaoFolha {
public:
    explicit GeracaoFolha(payroll::TnFpaDMPlanilha& dm);

    // The whole run; returns normally when the user cancels.
    void Executar();

private:
    void iniciar();
    void executarEmpresas();
    void empresa(int codigo);
    void lerCompetencia();
    bool criarPagina(int codigo);
    void copiarLeiaute();
    void replicar(const QString& prefixo);
    void excluirEMontar(const QString& prefixo);
    void finalizarColunas();
    void finalizar();
    void linha(const QString& texto, int n = 0);
    bool calculoInterrompido();
    QString texto(const QString& nome, bool obrigatorio) const;

    payroll::TnFpaDMPlanilha& dm_;
    ReplicacaoFolha FReplicacao;
    QStringList FColunas;
    bool FHistoricoLigado = true;
    bool FEmAtualizacao = false;
};

}  // namespace generation
