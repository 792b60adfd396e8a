#include "host/TnDMPlanilha.h"

#include "host/DadosEmpresa.h"
#include "host/DateRoutines.h"
#include "host/HostError.h"
#include "host/InclusionList.h"
#include "host/QueryServices.h"
#include "host/TextRoutines.h"
#include "host/TnClientDataSet.h"

#include <spreadsheet/ClipboardBlock.h>
#include <spreadsheet/DefinedName.h>
#include <spreadsheet/FormulaResult.h>
#include <spreadsheet/Sheet.h>

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace host {

using spreadsheet::CellRange;
using spreadsheet::Sheet;

namespace {

const QString kLeiaute = QStringLiteral("Leiaute");
const QString kContinuacao = QStringLiteral("...");
constexpr int kCamposEmpresa = 62;

int roundedArgument(const QVariant& value, int fallback)
{
    if (!value.isValid() || value.isNull())
        return fallback;
    bool ok = false;
    const double number = value.typeId() == QMetaType::QString ? QLocale().toDouble(value.toString().trimmed(), &ok)
                                                                : value.toDouble(&ok);
    if (!ok || !std::isfinite(number) || std::fabs(number) > 2.0e9)
        throw HostError(QStringLiteral("Argumento numérico inválido: '%1'").arg(value.toString()));
    return static_cast<int>(std::nearbyint(number));
}

}  // namespace

// Integral values are written without a decimal part, so a list cell that
// holds the number 5 reads as "5".
QString TnDMPlanilha::TextoDoValor(const spreadsheet::Value& value)
{
    switch (value.type()) {
    case spreadsheet::ValueType::Number:
        return QString::number(value.number(), 'g', 15);
    case spreadsheet::ValueType::Text:
        return value.text();
    case spreadsheet::ValueType::Boolean:
        return value.boolean() ? QStringLiteral("1") : QStringLiteral("0");
    case spreadsheet::ValueType::Error:
        return spreadsheet::errorText(value.error());
    case spreadsheet::ValueType::Empty:
    case spreadsheet::ValueType::Array:
        break;
    }
    return {};
}

TnDMPlanilha::TnDMPlanilha() = default;

TnDMPlanilha::~TnDMPlanilha() = default;

void TnDMPlanilha::SetcxSpreadSheetBook(spreadsheet::Workbook* workbook)
{
    FWorkbook = workbook;
}

spreadsheet::Workbook& TnDMPlanilha::GetcxSpreadSheetBook() const
{
    if (!FWorkbook)
        throw HostError(QStringLiteral("O módulo de dados não tem pasta de trabalho."));
    return *FWorkbook;
}

void TnDMPlanilha::Executar()
{
    FCancelado = false;
    FDataReferencia = {};
    FFalhas.clear();
    try {
        ExecutarInterno();
    } catch (...) {
        DestruirSQL(curEmpresa);
        throw;
    }
    DestruirSQL(curEmpresa);
}

void TnDMPlanilha::DoCancel()
{
    FCancelado = true;
}

std::optional<CelulaNomeada> TnDMPlanilha::FindDefinedNames(const QString& name) const
{
    const spreadsheet::Workbook& workbook = GetcxSpreadSheetBook();
    const spreadsheet::DefinedName* defined = workbook.findName(name);
    if (!defined)
        return std::nullopt;
    const auto areas = defined->areas(workbook);
    if (areas.empty() || !areas.front().sheet)
        return std::nullopt;
    return CelulaNomeada{areas.front().sheet, areas.front().range.top, areas.front().range.left};
}

CelulaNomeada TnDMPlanilha::GetDefinedNames(const QString& name) const
{
    if (auto cell = FindDefinedNames(name))
        return *cell;
    throw HostError(QStringLiteral("Nome definido não encontrado: %1").arg(name));
}

QString TnDMPlanilha::GetStringValue(const std::optional<CelulaNomeada>& cell) const
{
    if (!cell)
        return {};
    return TextoDoValor(cell->sheet->value(cell->row, cell->column));
}

Sheet& TnDMPlanilha::LayoutAsTable() const
{
    if (Sheet* layout = GetcxSpreadSheetBook().findSheet(kLeiaute))
        return *layout;
    throw HostError(QStringLiteral("A pasta de trabalho não tem a planilha de leiaute \"%1\".").arg(kLeiaute));
}

Sheet& TnDMPlanilha::DestinoAsTable() const
{
    if (!FDestino)
        throw HostError(QStringLiteral("Nenhuma página de destino em construção."));
    return *FDestino;
}

Sheet* TnDMPlanilha::FindPage(const QString& name) const
{
    return GetcxSpreadSheetBook().findSheet(name);
}

int TnDMPlanilha::lerOpcaoNumerica(const QString& name) const
{
    const QString text = GetStringValue(FindDefinedNames(name)).trimmed();
    if (text.isEmpty())
        return -1;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value <= 0)
        throw HostError(QStringLiteral("Valor inválido no nome definido %1: '%2'").arg(name, text));
    return value;
}

void TnDMPlanilha::IniciarQuebra()
{
    FLinhasCalculadas.clear();
    FLinhasExcluidas.clear();
    const QString coluna = GetStringValue(FindDefinedNames(QStringLiteral("ColunaExclusao"))).trimmed();
    FExclusao = coluna.isEmpty() ? -1 : ColunaExcelParaIndice(coluna);
    if (!coluna.isEmpty() && FExclusao < 0)
        throw HostError(QStringLiteral("Coluna de exclusão inválida: '%1'").arg(coluna));
    FPagina = lerOpcaoNumerica(QStringLiteral("LinhasPorPagina"));
}

void TnDMPlanilha::CopiarLinhasOrigemParaDestino()
{
    const Sheet& layout = LayoutAsTable();
    Sheet& destino = DestinoAsTable();
    for (int row = 0; row < layout.rowCount(); ++row) {
        destino.setRowHeight(row, layout.rowHeight(row) == layout.defaultRowHeight() ? -1 : layout.rowHeight(row));
        destino.setRowHidden(row, layout.isRowHidden(row));
    }
}

void TnDMPlanilha::SincronizarColunasOrigemDestino()
{
    const Sheet& layout = LayoutAsTable();
    Sheet& destino = DestinoAsTable();
    for (int column = 0; column < layout.columnCount(); ++column) {
        const int width = layout.columnWidth(column);
        destino.setColumnWidth(column, width == layout.defaultColumnWidth() ? -1 : width);
        destino.setColumnHidden(column, layout.isColumnHidden(column));
    }
}

int TnDMPlanilha::InicioProximaReplicacao(int row) const
{
    const Sheet& destino = DestinoAsTable();
    int last = row;
    while (FColunaReplicacao >= 0 && destino.text(last + 1, FColunaReplicacao) == kContinuacao)
        ++last;
    return last;
}

void TnDMPlanilha::SpreadSheetDataToClipboardData(const Sheet& view, const CellRange& area)
{
    auto bloco = std::make_unique<spreadsheet::ClipboardBlock>(spreadsheet::ClipboardBlock::copy(view, area));
    FClipboard.close();
    FClipboard.setData(bloco->toBytes());
    FClipboard.open(QIODevice::ReadOnly);
    FBlocoColado = std::move(bloco);
    FBytesColados = FClipboard.data();
}

void TnDMPlanilha::ColarClipboard(Sheet& target, int row, int column)
{
    if (!FClipboard.isOpen())
        throw HostError(QStringLiteral("Nenhum bloco copiado para colar."));
    FClipboard.seek(0);
    // Whoever writes into the stream detaches its bytes from the ones the
    // block came from, and the block is decoded anew.
    const QByteArray& bytes = FClipboard.data();
    if (!FBlocoColado || bytes.constData() != FBytesColados.constData() || bytes.size() != FBytesColados.size()) {
        FBlocoColado = std::make_unique<spreadsheet::ClipboardBlock>(spreadsheet::ClipboardBlock::fromBytes(bytes));
        FBytesColados = bytes;
    }
    FBlocoColado->paste(target, row, column);
}

void TnDMPlanilha::Recalcular()
{
    // The first recalculation of a run fixes the reference date, so every
    // history and GPS value of the run is taken at the same moment.
    DataReferencia();
    // A page left as the previous recalculation saw it (no exclusion, no
    // paging in between) keeps its values: every function would give the
    // same answer again.
    GetcxSpreadSheetBook().calculateIfChanged();
}

int TnDMPlanilha::linhasDoDestino() const
{
    return DestinoAsTable().rowCount();
}

void TnDMPlanilha::TirarFormulas()
{
    Sheet& destino = DestinoAsTable();
    for (const auto& falha : GetcxSpreadSheetBook().calculationFailures()) {
        if (falha.sheetName == destino.name())
            FFalhas.push_back(falha);
    }
    const int rows = destino.rowCount();
    const int columns = destino.columnCount();
    if (rows > 0 && columns > 0)
        destino.freezeFormulas(CellRange{0, 0, columns - 1, rows - 1});
}

std::vector<int> TnDMPlanilha::LinhasParaExcluir(const std::vector<LinhaExclusao>& linhas)
{
    std::vector<int> excluir;
    for (const LinhaExclusao& linha : linhas) {
        if (linha.calculada && linha.semValor)
            excluir.push_back(linha.linha);
    }
    std::sort(excluir.begin(), excluir.end());
    excluir.erase(std::unique(excluir.begin(), excluir.end()), excluir.end());
    return excluir;
}

std::vector<std::pair<int, int>> TnDMPlanilha::BlocosParaApagar(const std::vector<int>& linhas)
{
    std::vector<std::pair<int, int>> blocos;
    for (auto it = linhas.rbegin(); it != linhas.rend();) {
        int first = *it;
        int count = 1;
        for (++it; it != linhas.rend() && *it == first - 1; ++it) {
            --first;
            ++count;
        }
        blocos.emplace_back(first, count);
    }
    return blocos;
}

// Only rows whose exclusion cell is computed take part: a heading or a
// blank line of the layout has no formula there and always stays.
std::vector<TnDMPlanilha::LinhaExclusao> TnDMPlanilha::linhasCalculadas() const
{
    std::vector<LinhaExclusao> linhas;
    if (FExclusao < 0)
        return linhas;
    const Sheet& destino = DestinoAsTable();
    for (int row = 0; row < linhasDoDestino(); ++row) {
        if (destino.isFormula(row, FExclusao))
            linhas.push_back({row, true, false});
    }
    return linhas;
}

bool TnDMPlanilha::celulaVaziaOuZero(int row, int column) const
{
    const spreadsheet::Value value = DestinoAsTable().value(row, column);
    switch (value.type()) {
    case spreadsheet::ValueType::Empty:
        return true;
    case spreadsheet::ValueType::Number:
        return value.number() == 0.0;
    case spreadsheet::ValueType::Text: {
        // Payroll functions answer with text: "0", "0,00" and "" are no value.
        const QString text = value.text().trimmed();
        bool ok = false;
        const double number = QLocale().toDouble(text, &ok);
        return text.isEmpty() || (ok && number == 0.0);
    }
    default:
        return false;
    }
}

void TnDMPlanilha::Excluir()
{
    ExclusaoEtapa01();
    ExclusaoEtapa02();
    Recalcular();
    ExclusaoEtapa03();
    ExclusaoEtapa04();
}

void TnDMPlanilha::ExclusaoEtapa01()
{
    FLinhasCalculadas = linhasCalculadas();
    FLinhasExcluidas.clear();
}

void TnDMPlanilha::ExclusaoEtapa02() {}

void TnDMPlanilha::ExclusaoEtapa03()
{
    for (LinhaExclusao& linha : FLinhasCalculadas)
        linha.semValor = celulaVaziaOuZero(linha.linha, FExclusao);
    FLinhasExcluidas = LinhasParaExcluir(FLinhasCalculadas);
}

void TnDMPlanilha::ExclusaoEtapa04()
{
    Sheet& destino = DestinoAsTable();
    for (const auto& [first, count] : BlocosParaApagar(FLinhasExcluidas))
        destino.deleteRows(first, count);
    FLinhasCalculadas.clear();
    FLinhasExcluidas.clear();
}

void TnDMPlanilha::SemExclusao()
{
    FLinhasCalculadas.clear();
    FLinhasExcluidas.clear();
}

void TnDMPlanilha::MontarPagina()
{
    Sheet& destino = DestinoAsTable();
    for (int row : destino.pageBreaks())
        destino.setPageBreak(row, false);
    if (FPagina <= 0)
        return;
    for (int row = FPagina; row < linhasDoDestino(); row += FPagina)
        destino.setPageBreak(row, true);
}

void TnDMPlanilha::FinalizarExclusao()
{
    if (FColunaReplicacao >= 0)
        DestinoAsTable().setColumnHidden(FColunaReplicacao, true);
}

int TnDMPlanilha::EstabelecimentoDaLinha(int) const
{
    return -1;
}

void TnDMPlanilha::EmpresaFuncao(spreadsheet::FormulaResult& result, const spreadsheet::ArgumentTokens& arguments)
{
    if (FCodigoEmpresaBase == -1) {
        result.AddValue(QString());
        return;
    }
    const int count = result.GetParamsCount(arguments);
    const int campo = count > 0 ? roundedArgument(result.ExtractStringParameter(arguments, 0), -1) : -1;
    int estab = count > 1 ? roundedArgument(result.ExtractStringParameter(arguments, 1), -1) : -1;
    if (estab == -1)
        estab = EstabelecimentoDaLinha(result.position().row);
    if (!curEmpresa) {
        curEmpresa = ExecutarSQL(PegarSQL(QString::fromUtf8(SqlDadosEmpresa)));
        curEmpresa->SetIndexFieldNames(QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"));
    }
    if (campo < 1 || campo > kCamposEmpresa) {
        result.AddValue(QStringLiteral("Campo não existe."));
        return;
    }
    // Without an establishment the company's first one answers.
    const bool found = estab == -1 ? curEmpresa->FindKey({FCodigoEmpresaBase})
                                   : curEmpresa->FindKey({FCodigoEmpresaBase, estab});
    result.AddValue(found ? curEmpresa->Fields(campo + 1).AsString() : QStringLiteral("Empresa não encontrada."));
}

void TnDMPlanilha::PaginaFuncao(spreadsheet::FormulaResult& result, const spreadsheet::ArgumentTokens&)
{
    const int row = result.position().row;
    int page = 1;
    for (int breakRow : result.sheet().pageBreaks()) {
        if (breakRow <= row)
            ++page;
    }
    if (FPagina > 0 && result.sheet().pageBreaks().empty())
        page = row / FPagina + 1;
    result.AddValue(double(page));
}

QDateTime TnDMPlanilha::DataReferencia()
{
    if (FDataReferenciaFixa.isValid())
        return FDataReferenciaFixa;
    if (FDataReferencia.isValid() || FEmpresas.trimmed().isEmpty())
        return FDataReferencia;
    const QString condition =
        FilterInterval({QStringLiteral("CodigoEmpresa")}, FEmpresas.trimmed(), {1}, 0, false)
        + FilterInterval({QStringLiteral("CodigoPerCalculo")}, PeriodosDaExecucao().trimmed(), {1}, 0, true);
    const QDateTime greatest =
        VarToDateTimeDef(PegarValorCampo(QStringLiteral("PeriodoCalculo"), QStringLiteral("max(Compet)"), condition),
                         QDateTime());
    if (greatest.isValid())
        FDataReferencia = EndOfTheMonth(greatest);
    return FDataReferencia;
}

void TnDMPlanilha::DataModuleDestroy()
{
    DestruirSQL(curEmpresa);
    FClipboard.close();
    FClipboard.setData(QByteArray());
    FBlocoColado.reset();
    FBytesColados.clear();
}

}  // namespace host
