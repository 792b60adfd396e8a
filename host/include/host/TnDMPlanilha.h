#pragma once

#include "host/TnDM.h"

#include <spreadsheet/CalculationFailure.h>
#include <spreadsheet/CellRange.h>
#include <spreadsheet/Workbook.h>

#include <QBuffer>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace spreadsheet {
class ArgumentTokens;
class ClipboardBlock;
class FormulaResult;
class Sheet;
class Value;
}  // namespace spreadsheet

namespace host {

class TnClientDataSet;

// The cell a defined name refers to.
struct CelulaNomeada {
    spreadsheet::Sheet* sheet = nullptr;
    int row = 0;
    int column = 0;
};

// The spreadsheet data module: a generation run on a template workbook.
// Executar calls the derived module's ExecutarInterno; the base offers the
// template access, the page steps around the run's recalculations, and the
// company and page functions. It is the workbook's tag while a run goes on,
// which is how the registered functions find it.
class TnDMPlanilha : public TnDM, public spreadsheet::WorkbookTag {
public:
    TnDMPlanilha();
    ~TnDMPlanilha() override;

    void SetcxSpreadSheetBook(spreadsheet::Workbook* workbook);
    spreadsheet::Workbook& GetcxSpreadSheetBook() const;  // raises without a workbook

    void Executar();
    virtual void DoCancel();
    bool Cancelado() const { return FCancelado; }

    // Defined names of the template.
    CelulaNomeada GetDefinedNames(const QString& name) const;  // raises when missing
    std::optional<CelulaNomeada> FindDefinedNames(const QString& name) const;
    QString GetStringValue(const std::optional<CelulaNomeada>& cell) const;
    // A cell's value as the run reads a parameter: whole numbers without a
    // decimal part, so a list cell holding 5 reads "5".
    static QString TextoDoValor(const spreadsheet::Value& value);

    spreadsheet::Sheet& LayoutAsTable() const;   // the sheet "Leiaute"
    spreadsheet::Sheet& DestinoAsTable() const;  // the page being built
    spreadsheet::Sheet* FindPage(const QString& name) const;

    // Page steps, called by the run in its order.
    void IniciarQuebra();
    void CopiarLinhasOrigemParaDestino();
    void SincronizarColunasOrigemDestino();
    int InicioProximaReplicacao(int row) const;
    void SpreadSheetDataToClipboardData(const spreadsheet::Sheet& view, const spreadsheet::CellRange& area);
    QBuffer& cxSSClipboard() { return FClipboard; }
    // Pastes the block held in the clipboard stream, read from its start.
    void ColarClipboard(spreadsheet::Sheet& target, int row, int column);
    void Recalcular();
    void TirarFormulas();
    // The exclusion of a page: the rows whose test cell is computed are
    // taken before the recalculation, those of them left without a value
    // after it are deleted. Excluir does it all; the steps are its parts,
    // in the order the run calls them around its progress lines.
    void Excluir();
    void ExclusaoEtapa01();  // takes the computed rows
    void ExclusaoEtapa02();  // (the recalculation comes next)
    void ExclusaoEtapa03();  // the rows to delete, from the values
    void ExclusaoEtapa04();  // deletes them
    void SemExclusao();

    // A row of the page as the exclusion sees its test cell.
    struct LinhaExclusao {
        int linha;
        bool calculada;  // holds a formula (a heading or blank line never goes)
        bool semValor;   // empty, zero, or a text that reads as zero
    };
    // The rows to delete, in ascending order.
    static std::vector<int> LinhasParaExcluir(const std::vector<LinhaExclusao>& linhas);
    // The deletions that remove those rows: bottom-up, one (first row,
    // count) per run of adjacent rows, so no deletion moves a later one.
    static std::vector<std::pair<int, int>> BlocosParaApagar(const std::vector<int>& linhas);
    void MontarPagina();
    void FinalizarExclusao();

    // gerEMP and gerPAG during a run.
    void EmpresaFuncao(spreadsheet::FormulaResult& result, const spreadsheet::ArgumentTokens& arguments);
    void PaginaFuncao(spreadsheet::FormulaResult& result, const spreadsheet::ArgumentTokens& arguments);

    virtual void DataModuleDestroy();

    // The cells whose functions raised when a page of the latest run was
    // frozen: the page keeps #VALUE! there, and the caller may report them.
    const std::vector<spreadsheet::CalculationFailure>& FalhasDaExecucao() const { return FFalhas; }

    // The date the history and GPS queries are asked for: the last moment of
    // the month of the greatest competence of the run's companies and
    // periods, unless one was given.
    QDateTime DataReferencia();
    void SetDataReferenciaFixa(const QDateTime& date) { FDataReferenciaFixa = date; }

    // Run state that the derived module sets and reads.
    int FCodigoEmpresaBase = -1;
    spreadsheet::Sheet* FDestino = nullptr;
    int FColunaReplicacao = -1;
    QString FEmpresas, FFiliais, FFuncionarios, FCentroCustos, FLocalContabil;
    int FExclusao = -1;  // column of the exclusion test, or -1
    int FPagina = -1;    // rows per printed page, or -1

protected:
    virtual void ExecutarInterno() = 0;
    // The run's period list; the reference date covers it.
    virtual QString PeriodosDaExecucao() const { return {}; }
    // The establishment of a page row's break, or -1 when the row has none.
    virtual int EstabelecimentoDaLinha(int row) const;

    bool FCancelado = false;

private:
    int linhasDoDestino() const;
    bool celulaVaziaOuZero(int row, int column) const;
    std::vector<LinhaExclusao> linhasCalculadas() const;
    int lerOpcaoNumerica(const QString& name) const;

    spreadsheet::Workbook* FWorkbook = nullptr;
    QBuffer FClipboard;
    // The block the stream holds, decoded once: a replication pastes it
    // once per key value.
    std::unique_ptr<spreadsheet::ClipboardBlock> FBlocoColado;
    QByteArray FBytesColados;  // the stream's bytes the block was decoded from
    std::unique_ptr<TnClientDataSet> curEmpresa;
    // Between the exclusion steps: the computed rows, then those to delete.
    std::vector<LinhaExclusao> FLinhasCalculadas;
    std::vector<int> FLinhasExcluidas;
    std::vector<spreadsheet::CalculationFailure> FFalhas;
    QDateTime FDataReferencia;
    QDateTime FDataReferenciaFixa;
};

}  // namespace host
