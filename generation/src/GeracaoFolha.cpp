#include "generation/GeracaoFolha.h"

#include "generation/MovimentoFolha.h"
#include "generation/PaginaEmpresa.h"
#include "generation/ReplicacaoFolha.h"

#include "payroll/TnFpaDMPlanilha.h"

#include "host/HostError.h"
#include "host/InclusionList.h"

#include <spreadsheet/History.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <QRegularExpression>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace generation {

namespace {

// The safety bound of the company list walk.
constexpr int kLimiteEmpresas = 1000;

// A run builds datasets and pages of hundreds of megabytes. glibc raises
// its mmap threshold as large blocks are freed, and then serves the next
// ones from the heap, where they linger after the run; a fixed threshold
// keeps every large buffer mapped on its own and given back when freed.
void fixarLimiteMapeamento()
{
#ifdef __GLIBC__
    static const bool fixado = mallopt(M_MMAP_THRESHOLD, 256 * 1024) == 1;
    (void)fixado;
#endif
}

}  // namespace

GeracaoFolha::GeracaoFolha(payroll::TnFpaDMPlanilha& dm) : dm_(dm) {}

void GeracaoFolha::linha(const QString& texto, int n)
{
    dm_.GetProgresso().IncProgressoTotal(texto, n);
}

QStringList GeracaoFolha::FuncoesDasFormulas(const spreadsheet::Sheet& folha)
{
    static const QRegularExpression chamada(QStringLiteral("([A-Za-z_][A-Za-z0-9_.]*)\\s*\\("));
    QStringList nomes;
    if (folha.rowCount() == 0 || folha.columnCount() == 0)
        return {};
    folha.forEachCell({0, 0, folha.columnCount() - 1, folha.rowCount() - 1}, [&](int row, int column) {
        if (!folha.isFormula(row, column))
            return;
        auto encontrados = chamada.globalMatch(folha.text(row, column));
        while (encontrados.hasNext()) {
            const QString nome = encontrados.next().captured(1).toUpper();
            if (!nomes.contains(nome))
                nomes.append(nome);
        }
    });
    return nomes;
}

void GeracaoFolha::Executar()
{
    const QString periodo = dm_.GetStringValue(dm_.GetDefinedNames(QStringLiteral("PeriodoCalculo")));
    dm_.FEhMultiplosPeriodoCalculo = ContextoExecucao::MultiplosPeriodos(periodo);
    host::TnFraProgresso& progresso = dm_.GetProgresso();
    progresso.MostrarSimples(nullptr);
    progresso.ConfigurarBtnCancel([this] { dm_.DoCancel(); });
    progresso.SetEhCircular(true);
    linha(dm_.ClassName() + QStringLiteral(" inicio TnFpaDMPlanilha.Executar"));
    FContexto = ContextoExecucao::Ler(dm_);
    if (FContexto.empresas.isEmpty())
        throw host::HostError(QStringLiteral("Empresas não informada"));
    dm_.FEmpresas = FContexto.empresas;
    try {
        iniciar();
        executarEmpresas();
    } catch (const ExecucaoCancelada&) {
        finalizar();
        return;
    } catch (const spreadsheet::CalculationInterrupted&) {
        finalizar();
        return;
    } catch (...) {
        finalizar();
        throw;
    }
    finalizar();
}

// The run writes tens of thousands of cells: without undo history, and
// with calculation held until the run's own recalculations.
void GeracaoFolha::iniciar()
{
    fixarLimiteMapeamento();
    dm_.FIndexFieldNames.clear();
    spreadsheet::Workbook& workbook = dm_.GetcxSpreadSheetBook();
    workbook.setTag(&dm_);
    FHistoricoLigado = workbook.history().isEnabled();
    workbook.history().setEnabled(false);
    workbook.beginUpdate();
    FEmAtualizacao = true;
    workbook.setCalculationInterrupt([this] { return calculoInterrompido(); });
    if (FContexto.periodoCalculo.isEmpty())
        throw host::HostError(QStringLiteral("Campo: PeriodoCalculo não encontrado ou não informado."));
}

// A recalculation of a large page takes seconds with no step line: it shows
// its own progress, which is also where the user's cancel is heard.
bool GeracaoFolha::calculoInterrompido()
{
    linha(QStringLiteral("Recalculando fórmulas"), 1);
    return dm_.Cancelado();
}

// Every page is made of copies of the layout's cells, so the layout names
// the functions every page calls: their queries are read while the
// movement is read and the first page is replicated.
void GeracaoFolha::executarEmpresas()
{
    const host::TInclusionPairs pares = host::StrToInclusionExVUnique(FContexto.empresas, {1}, 0);
    int codigo = 0;
    int posicao = -1;
    linha(dm_.ClassName() + QStringLiteral(" Configurações iniciais"));
    FContexto.Aplicar(dm_, MovimentoFolha::VerificarTemRateio(dm_, FContexto.colunas));
    dm_.AnteciparConsultas(FuncoesDasFormulas(dm_.LayoutAsTable()));
    while (host::ProximoInclusao(codigo, posicao, pares, kLimiteEmpresas))
        empresa(codigo);
}

void GeracaoFolha::lerCompetencia()
{
    dm_.CarregarCompetencia();
    if (!dm_.FCompetencia[0].isValid() || !dm_.FCompetencia[1].isValid())
        throw host::HostError(QStringLiteral(
            "Não foi possível localizar a competência do período de cálculo informado, revise os parâmetros"));
}

// A failure is reported with the company and the page it was building: both
// belong to this company from its first step, before its page exists.
void GeracaoFolha::empresa(int codigo)
{
    const QString c = QString::number(codigo);
    dm_.FCodigoEmpresaBase = codigo;
    dm_.FDestino = nullptr;
    dm_.IniciarQuebra();
    linha(QStringLiteral("*** Inicio Empresa: ") + c);
    linha(QStringLiteral(" Empresa: ") + c);
    if (dm_.Cancelado())
        throw ExecucaoCancelada();
    dm_.FCodigoEmpresa = codigo;
    lerCompetencia();
    dm_.AnteciparConsultasDaEmpresa();
    const std::unique_ptr<PaginaEmpresa> pagina = PaginaEmpresa::Criar(dm_, codigo, FContexto.colunas);
    if (!pagina)
        return;
    pagina->Construir();
    linha(QStringLiteral("*** fim Empresa: ") + c);
}

// The end steps. The tag goes first, so that the calculation the workbook
// catches up on afterwards no longer reaches the database. After a cancel
// that calculation stops at once too: what it leaves is marked for the next.
void GeracaoFolha::finalizar()
{
    spreadsheet::Workbook& workbook = dm_.GetcxSpreadSheetBook();
    workbook.setTag(nullptr);
    if (!dm_.Cancelado())
        workbook.setCalculationInterrupt({});
    if (workbook.sheetCount() > 2)
        workbook.setActiveSheet(2);
    dm_.DestruirCursores();
    if (FEmAtualizacao) {
        FEmAtualizacao = false;
        try {
            workbook.endUpdate();
        } catch (const spreadsheet::CalculationInterrupted&) {
            // Only after a cancel: the cells it did not reach stay marked
            // for the next calculation.
        }
    }
    workbook.setCalculationInterrupt({});
    workbook.history().setEnabled(FHistoricoLigado);
}

}  // namespace generation
