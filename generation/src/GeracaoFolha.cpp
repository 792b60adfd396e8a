#include "generation/GeracaoFolha.h"

#include "generation/MovimentoFolha.h"

#include "payroll/TnFpaDMPlanilha.h"

#include "host/HostError.h"
#include "host/InclusionList.h"
#include "host/TextRoutines.h"
#include "host/TnClientDataSet.h"

#include <spreadsheet/ClipboardBlock.h>
#include <spreadsheet/History.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

namespace generation {

using spreadsheet::CellRange;

namespace {

// The safety bound of the company list walk.
constexpr int kLimiteEmpresas = 1000;

}  // namespace

GeracaoFolha::GeracaoFolha(payroll::TnFpaDMPlanilha& dm) : dm_(dm), FReplicacao(dm) {}

void GeracaoFolha::linha(const QString& texto, int n)
{
    dm_.GetProgresso().IncProgressoTotal(texto, n);
}

QString GeracaoFolha::texto(const QString& nome, bool obrigatorio) const
{
    if (obrigatorio)
        return dm_.GetStringValue(dm_.GetDefinedNames(nome));
    return dm_.GetStringValue(dm_.FindDefinedNames(nome));
}

void GeracaoFolha::Executar()
{
    const QString periodo = texto(QStringLiteral("PeriodoCalculo"), true);
    dm_.FEhMultiplosPeriodoCalculo = periodo.contains(QLatin1Char('.')) || periodo.contains(QLatin1Char(';'));
    host::TnFraProgresso& progresso = dm_.GetProgresso();
    progresso.MostrarSimples(nullptr);
    progresso.ConfigurarBtnCancel([this] { dm_.DoCancel(); });
    progresso.SetEhCircular(true);
    linha(dm_.ClassName() + QStringLiteral(" inicio TnFpaDMPlanilha.Executar"));
    const QString empresas = texto(QStringLiteral("Empresas"), true);
    if (empresas.isEmpty())
        throw host::HostError(QStringLiteral("Empresas não informada"));
    dm_.FEmpresas = empresas;
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
    dm_.FIndexFieldNames.clear();
    spreadsheet::Workbook& workbook = dm_.GetcxSpreadSheetBook();
    workbook.setTag(&dm_);
    FHistoricoLigado = workbook.history().isEnabled();
    workbook.history().setEnabled(false);
    workbook.beginUpdate();
    FEmAtualizacao = true;
    workbook.setCalculationInterrupt([this] { return calculoInterrompido(); });
    dm_.FPeriodoCalculo = texto(QStringLiteral("PeriodoCalculo"), true);
    if (dm_.FPeriodoCalculo.isEmpty())
        throw host::HostError(QStringLiteral("Campo: PeriodoCalculo não encontrado ou não informado."));
    dm_.FFiliais = texto(QStringLiteral("Filiais"), false);
}

// A recalculation of a large page takes seconds with no step line: it shows
// its own progress, which is also where the user's cancel is heard.
bool GeracaoFolha::calculoInterrompido()
{
    linha(QStringLiteral("Recalculando fórmulas"), 1);
    return dm_.Cancelado();
}

void GeracaoFolha::executarEmpresas()
{
    const host::TInclusionPairs pares = host::StrToInclusionExVUnique(dm_.FEmpresas, {1}, 0);
    int codigo = 0;
    int posicao = -1;
    dm_.FFuncionarios = texto(QStringLiteral("Funcionarios"), false);
    dm_.FCentroCustos = texto(QStringLiteral("CentroCustos"), false);
    dm_.FLocalContabil = texto(QStringLiteral("LocalContabil"), false);
    linha(dm_.ClassName() + QStringLiteral(" Configurações iniciais"));
    FColunas = host::StrToStrArray(texto(QStringLiteral("Replicacao"), false).toUpper(), QStringLiteral(";"));
    for (QString& coluna : FColunas)
        coluna = coluna.trimmed();
    FColunas.removeAll(QString());
    dm_.FTemRateio = MovimentoFolha::VerificarTemRateio(dm_, FColunas);
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
    const QString prefixo = QStringLiteral("Emp: ") + c;
    dm_.FCodigoEmpresaBase = codigo;
    dm_.FDestino = nullptr;
    dm_.FIndiceDestino = -1;
    dm_.IniciarQuebra();
    linha(QStringLiteral("*** Inicio Empresa: ") + c);
    linha(QStringLiteral(" Empresa: ") + c);
    if (dm_.Cancelado())
        throw ExecucaoCancelada();
    dm_.FCodigoEmpresa = codigo;
    lerCompetencia();
    dm_.FListaEmpresa.clear();
    dm_.FFlagEmpresa = false;
    if (!criarPagina(codigo))
        return;
    replicar(prefixo);
    dm_.Recalcular();
    dm_.GetProgresso().LimparExibirCountTotal();
    linha(prefixo + QStringLiteral(" recalc"));
    dm_.FContador = 0;
    excluirEMontar(prefixo);
    dm_.Recalcular();
    dm_.GetProgresso().LimparExibirCountTotal();
    dm_.TirarFormulas();
    linha(QStringLiteral("Tirar formulas."));
    finalizarColunas();
    linha(QStringLiteral("*** fim Empresa: ") + c);
}

// False when the company has no movement: it gets no page, and loses the
// page of an earlier run.
bool GeracaoFolha::criarPagina(int codigo)
{
    const QString c = QString::number(codigo);
    const QString nome = QStringLiteral("Emp") + c;
    linha(QStringLiteral("Emp: ") + c + QStringLiteral(" configurar ini"));
    spreadsheet::Workbook& workbook = dm_.GetcxSpreadSheetBook();
    if (spreadsheet::Sheet* antiga = dm_.FindPage(nome)) {
        if (dm_.FDestino == antiga)
            dm_.FDestino = nullptr;
        workbook.deleteSheet(workbook.indexOf(*antiga));
    }
    MovimentoFolha::AbrirMovimento(dm_);
    if (!dm_.curMovimento || dm_.curMovimento->IsEmpty())
        return false;
    spreadsheet::Sheet& pagina = workbook.addSheet(nome);
    dm_.FDestino = &pagina;
    dm_.FIndiceDestino = workbook.indexOf(pagina);
    linha(QStringLiteral("Emp: ") + c + QStringLiteral(" criar page"));
    copiarLeiaute();
    host::TnFraProgresso& progresso = dm_.GetProgresso();
    progresso.LimparExibirCountTotal();
    dm_.CopiarLinhasOrigemParaDestino();
    progresso.LimparExibirCountTotal();
    dm_.SincronizarColunasOrigemDestino();
    FReplicacao.LiberarQuebras();
    FReplicacao.Iniciar(static_cast<int>(FColunas.size()));
    return true;
}

void GeracaoFolha::copiarLeiaute()
{
    spreadsheet::Sheet& leiaute = dm_.LayoutAsTable();
    spreadsheet::Sheet& pagina = dm_.DestinoAsTable();
    const CellRange inicio = CellRange::cell(0, 0);
    if (leiaute.rowCount() > 0 && leiaute.columnCount() > 0) {
        const CellRange tudo{0, 0, leiaute.columnCount() - 1, leiaute.rowCount() - 1};
        leiaute.setSelection(tudo);
        spreadsheet::ClipboardBlock::copy(leiaute, tudo).paste(pagina, inicio.top, inicio.left);
    }
    leiaute.setSelection(inicio);
    pagina.setSelection(inicio);
}

void GeracaoFolha::replicar(const QString& prefixo)
{
    host::TnFraProgresso& progresso = dm_.GetProgresso();
    for (int i = 0; i < FColunas.size(); ++i) {
        dm_.FColunaReplicacao = host::ColunaExcelParaIndice(FColunas[i]);
        if (dm_.FColunaReplicacao == -1)
            continue;
        progresso.LimparExibirCountTotal();
        linha(prefixo + QStringLiteral(" inicio Repl"));
        FReplicacao.Replicar(i, dm_.FColunaReplicacao, i == FColunas.size() - 1);
        linha(prefixo + QStringLiteral(" fim Repl"));
    }
}

void GeracaoFolha::excluirEMontar(const QString& prefixo)
{
    host::TnFraProgresso& progresso = dm_.GetProgresso();
    if (dm_.FExclusao != -1) {
        dm_.ExclusaoEtapa01();
        progresso.LimparExibirCountTotal();
        dm_.ExclusaoEtapa02();
        dm_.Recalcular();
        progresso.LimparExibirCountTotal();
        dm_.ExclusaoEtapa03();
        progresso.LimparExibirCountTotal();
        dm_.ExclusaoEtapa04();
        linha(prefixo + QStringLiteral(" fim Excl"));
    } else {
        progresso.LimparExibirCountTotal();
        dm_.SemExclusao();
        linha(prefixo + QStringLiteral(" fim sem Excl"));
    }
    if (dm_.FPagina > -1) {
        progresso.LimparExibirCountTotal();
        linha(prefixo + QStringLiteral(" inicio Montar Paginas"));
        dm_.MontarPagina();
        linha(prefixo + QStringLiteral(" fim Montar Paginas"));
    }
}

void GeracaoFolha::finalizarColunas()
{
    for (auto coluna = FColunas.crbegin(); coluna != FColunas.crend(); ++coluna) {
        dm_.FColunaReplicacao = host::ColunaExcelParaIndice(*coluna);
        dm_.FinalizarExclusao();
    }
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
    FReplicacao.LiberarListas();
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
