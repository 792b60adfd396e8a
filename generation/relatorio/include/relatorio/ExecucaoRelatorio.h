#pragma once

#include "host/ConnectionText.h"

#include <spreadsheet/CalculationFailure.h>

#include <QDate>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

namespace host {
class TnDMPlanilha;
}

namespace spreadsheet {
class Sheet;
class Workbook;
}  // namespace spreadsheet

namespace relatorio {

// What the user asks of a run besides the template.
struct PedidoExecucao {
    host::ConnectionText banco;
    // Defined name and text, written into the template before the run.
    std::vector<std::pair<QString, QString>> parametros;
    QDate dataReferencia;  // of the history queries; the run's own when invalid
};

// The pages a run added to its workbook, measured.
struct PaginasGeradas {
    std::vector<spreadsheet::Sheet*> paginas;
    qint64 linhas = 0;
    qint64 celulas = 0;
};

// One generation run, the same from the command line and from the editor:
// the parameters go into the workbook, the database is connected, the
// payroll module runs, and the pages it added are told from the template's
// sheets. The workbook is the caller's and is changed by the run, so it is
// never the one a user is editing. Connection and interrupt check last as
// long as the object.
class ExecucaoRelatorio {
public:
    ExecucaoRelatorio(host::TnDMPlanilha& modulo, spreadsheet::Workbook& workbook);
    ~ExecucaoRelatorio();
    ExecucaoRelatorio(const ExecucaoRelatorio&) = delete;
    ExecucaoRelatorio& operator=(const ExecucaoRelatorio&) = delete;

    // False when the run was cancelled, through the module's cancel or by
    // `interrompida`, which long queries ask too. Raises on failure.
    bool executar(const PedidoExecucao& pedido, std::function<bool()> interrompida = {});

    const PaginasGeradas& paginas() const { return FPaginas; }
    const std::vector<spreadsheet::CalculationFailure>& falhas() const;
    // "Empresa 12, planilha Emp12: ", to put before a failure's message;
    // empty when the run failed before its first company.
    QString ondeFalhou() const;
    // Leaves only the pages in the workbook, without the template's names:
    // the report as it is handed out.
    void apenasPaginas();

    static const QString kSemPaginas;

private:
    bool cancelada() const;
    void medir();

    host::TnDMPlanilha& FModulo;
    spreadsheet::Workbook& FWorkbook;
    std::function<bool()> FInterrompida;
    std::vector<int> FAnteriores;  // ids of the sheets there before the run
    PaginasGeradas FPaginas;
};

}  // namespace relatorio
