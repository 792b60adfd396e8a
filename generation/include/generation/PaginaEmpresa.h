#pragma once

#include "generation/ReplicacaoFolha.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace payroll {
class TnFpaDMPlanilha;
}

namespace spreadsheet {
class Sheet;
}

namespace generation {

// The page of one company while it is built: made from the layout, its
// blocks replicated, recalculated, reduced, paged and frozen to values.
// It owns the company's breaks; the module's destination is this page.
class PaginaEmpresa {
public:
    // The page of the company, replacing the one of an earlier run; none
    // when the company has no movement (the earlier page is gone then too).
    static std::unique_ptr<PaginaEmpresa> Criar(payroll::TnFpaDMPlanilha& dm, int codigo, const QStringList& colunas);
    PaginaEmpresa(const PaginaEmpresa&) = delete;
    PaginaEmpresa& operator=(const PaginaEmpresa&) = delete;

    // Everything after the layout copy, up to the frozen page.
    void Construir();
    spreadsheet::Sheet& Folha() const { return FFolha; }

private:
    PaginaEmpresa(payroll::TnFpaDMPlanilha& dm, int codigo, const QStringList& colunas, spreadsheet::Sheet& folha);

    void copiarLeiaute();
    void replicar();
    void excluirEMontar();
    void finalizarColunas();
    void linha(const QString& texto, int n = 0);

    payroll::TnFpaDMPlanilha& dm_;
    const QString FPrefixo;
    const QStringList FColunas;
    spreadsheet::Sheet& FFolha;
    ReplicacaoFolha FReplicacao;
};

}  // namespace generation
