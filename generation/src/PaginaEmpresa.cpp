#include "generation/PaginaEmpresa.h"

#include "generation/MovimentoFolha.h"

#include "payroll/TnFpaDMPlanilha.h"

#include "host/TextRoutines.h"
#include "host/TnClientDataSet.h"

#include <spreadsheet/ClipboardBlock.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

namespace generation {

using spreadsheet::CellRange;

std::unique_ptr<PaginaEmpresa> PaginaEmpresa::Criar(payroll::TnFpaDMPlanilha& dm, int codigo,
                                                    const QStringList& colunas)
{
    const QString c = QString::number(codigo);
    const QString nome = QStringLiteral("Emp") + c;
    dm.GetProgresso().IncProgressoTotal(QStringLiteral("Emp: ") + c + QStringLiteral(" configurar ini"), 0);
    spreadsheet::Workbook& workbook = dm.GetcxSpreadSheetBook();
    if (spreadsheet::Sheet* antiga = dm.FindPage(nome)) {
        if (dm.FDestino == antiga)
            dm.FDestino = nullptr;
        workbook.deleteSheet(workbook.indexOf(*antiga));
    }
    MovimentoFolha::AbrirMovimento(dm);
    if (!dm.curMovimento || dm.curMovimento->IsEmpty())
        return nullptr;
    spreadsheet::Sheet& folha = workbook.addSheet(nome);
    dm.FDestino = &folha;
    return std::unique_ptr<PaginaEmpresa>(new PaginaEmpresa(dm, codigo, colunas, folha));
}

PaginaEmpresa::PaginaEmpresa(payroll::TnFpaDMPlanilha& dm, int codigo, const QStringList& colunas,
                             spreadsheet::Sheet& folha)
    : dm_(dm), FPrefixo(QStringLiteral("Emp: ") + QString::number(codigo)), FColunas(colunas), FFolha(folha),
      FReplicacao(dm)
{
    linha(FPrefixo + QStringLiteral(" criar page"));
    copiarLeiaute();
    host::TnFraProgresso& progresso = dm_.GetProgresso();
    progresso.LimparExibirCountTotal();
    dm_.CopiarLinhasOrigemParaDestino();
    progresso.LimparExibirCountTotal();
    dm_.SincronizarColunasOrigemDestino();
    FReplicacao.LiberarQuebras();
    FReplicacao.Iniciar(static_cast<int>(FColunas.size()));
}

void PaginaEmpresa::linha(const QString& texto, int n)
{
    dm_.GetProgresso().IncProgressoTotal(texto, n);
}

void PaginaEmpresa::copiarLeiaute()
{
    spreadsheet::Sheet& leiaute = dm_.LayoutAsTable();
    const CellRange inicio = CellRange::cell(0, 0);
    if (leiaute.rowCount() > 0 && leiaute.columnCount() > 0) {
        const CellRange tudo{0, 0, leiaute.columnCount() - 1, leiaute.rowCount() - 1};
        leiaute.setSelection(tudo);
        spreadsheet::ClipboardBlock::copy(leiaute, tudo).paste(FFolha, inicio.top, inicio.left);
    }
    leiaute.setSelection(inicio);
    FFolha.setSelection(inicio);
}

void PaginaEmpresa::Construir()
{
    replicar();
    dm_.Recalcular();
    dm_.GetProgresso().LimparExibirCountTotal();
    linha(FPrefixo + QStringLiteral(" recalc"));
    excluirEMontar();
    dm_.Recalcular();
    dm_.GetProgresso().LimparExibirCountTotal();
    dm_.TirarFormulas();
    linha(QStringLiteral("Tirar formulas."));
    finalizarColunas();
}

void PaginaEmpresa::replicar()
{
    host::TnFraProgresso& progresso = dm_.GetProgresso();
    for (int i = 0; i < FColunas.size(); ++i) {
        dm_.FColunaReplicacao = host::ColunaExcelParaIndice(FColunas[i]);
        if (dm_.FColunaReplicacao == -1)
            continue;
        progresso.LimparExibirCountTotal();
        linha(FPrefixo + QStringLiteral(" inicio Repl"));
        FReplicacao.Replicar(i, dm_.FColunaReplicacao, i == FColunas.size() - 1);
        linha(FPrefixo + QStringLiteral(" fim Repl"));
    }
}

void PaginaEmpresa::excluirEMontar()
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
        linha(FPrefixo + QStringLiteral(" fim Excl"));
    } else {
        progresso.LimparExibirCountTotal();
        dm_.SemExclusao();
        linha(FPrefixo + QStringLiteral(" fim sem Excl"));
    }
    if (dm_.FPagina > -1) {
        progresso.LimparExibirCountTotal();
        linha(FPrefixo + QStringLiteral(" inicio Montar Paginas"));
        dm_.MontarPagina();
        linha(FPrefixo + QStringLiteral(" fim Montar Paginas"));
    }
}

void PaginaEmpresa::finalizarColunas()
{
    for (auto coluna = FColunas.crbegin(); coluna != FColunas.crend(); ++coluna) {
        dm_.FColunaReplicacao = host::ColunaExcelParaIndice(*coluna);
        dm_.FinalizarExclusao();
    }
}

}  // namespace generation
