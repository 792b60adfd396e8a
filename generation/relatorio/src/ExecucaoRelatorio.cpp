#include "relatorio/ExecucaoRelatorio.h"

#include "relatorio/GravacaoRelatorio.h"
#include "relatorio/ParametrosModelo.h"

#include "host/TnDMPlanilha.h"
#include "host/TnDMSQLDataSet.h"

#include <spreadsheet/History.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <algorithm>

namespace relatorio {

const QString ExecucaoRelatorio::kSemPaginas =
    QStringLiteral("Nenhuma página foi gerada: nenhuma empresa da lista tem movimento no período.");

ExecucaoRelatorio::ExecucaoRelatorio(host::TnDMPlanilha& modulo, spreadsheet::Workbook& workbook)
    : FModulo(modulo), FWorkbook(workbook)
{
}

// The module outlives the run (the editor keeps one for the whole session):
// it is left without the workbook, the connection and the interrupt check.
ExecucaoRelatorio::~ExecucaoRelatorio()
{
    host::TnDMSQLDataSet::DefinirInterrupcao({});
    host::TnDMSQLDataSet::Desconectar();
    FModulo.SetcxSpreadSheetBook(nullptr);
    FModulo.FDestino = nullptr;  // a sheet of a workbook the module does not own
}

bool ExecucaoRelatorio::executar(const PedidoExecucao& pedido, std::function<bool()> interrompida)
{
    FInterrompida = std::move(interrompida);
    FWorkbook.history().setEnabled(false);
    for (const auto& [nome, valor] : pedido.parametros)
        ParametrosModelo::gravar(FWorkbook, nome, valor);
    // A long query hears the cancel too, not only the steps between queries.
    host::TnDMSQLDataSet::DefinirInterrupcao(FInterrompida);
    host::TnDMSQLDataSet::Conectar(pedido.banco);
    FModulo.SetcxSpreadSheetBook(&FWorkbook);
    FModulo.FCodigoEmpresaBase = -1;
    FModulo.FDestino = nullptr;
    FModulo.SetDataReferenciaFixa(pedido.dataReferencia.isValid() ? QDateTime(pedido.dataReferencia, QTime(0, 0))
                                                                  : QDateTime());
    FAnteriores.clear();
    for (int i = 0; i < FWorkbook.sheetCount(); ++i)
        FAnteriores.push_back(FWorkbook.sheet(i).id());
    try {
        FModulo.Executar();
    } catch (const std::exception&) {
        // A query stopped by the cancel fails like any other.
        if (cancelada())
            return false;
        throw;
    }
    if (cancelada())
        return false;
    medir();
    return true;
}

bool ExecucaoRelatorio::cancelada() const
{
    return FModulo.Cancelado() || (FInterrompida && FInterrompida());
}

void ExecucaoRelatorio::medir()
{
    FPaginas = {};
    for (int i = 0; i < FWorkbook.sheetCount(); ++i) {
        spreadsheet::Sheet& folha = FWorkbook.sheet(i);
        if (std::find(FAnteriores.begin(), FAnteriores.end(), folha.id()) != FAnteriores.end())
            continue;
        FPaginas.paginas.push_back(&folha);
        FPaginas.linhas += folha.rowCount();
        if (folha.rowCount() > 0 && folha.columnCount() > 0)
            folha.forEachCell({0, 0, folha.columnCount() - 1, folha.rowCount() - 1},
                              [this](int, int) { ++FPaginas.celulas; });
    }
}

const std::vector<spreadsheet::CalculationFailure>& ExecucaoRelatorio::falhas() const
{
    return FModulo.FalhasDaExecucao();
}

QString ExecucaoRelatorio::ondeFalhou() const
{
    if (FModulo.FCodigoEmpresaBase == -1)
        return {};
    QString onde = QStringLiteral("Empresa %1").arg(FModulo.FCodigoEmpresaBase);
    if (FModulo.FDestino)
        onde += QStringLiteral(", planilha %1").arg(FModulo.FDestino->name());
    return onde + QStringLiteral(": ");
}

void ExecucaoRelatorio::apenasPaginas()
{
    GravacaoRelatorio::apenasPaginas(FWorkbook, {FPaginas.paginas.begin(), FPaginas.paginas.end()});
}

}  // namespace relatorio
