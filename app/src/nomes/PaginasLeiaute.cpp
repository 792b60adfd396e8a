#include "src/nomes/PaginasLeiaute.h"

#include "src/nomes/AtualizacaoSuspensa.h"
#include "src/nomes/BuscaPlanilha.h"

#include "host/HostError.h"
#include "host/InclusionList.h"
#include "host/TnDialogos.h"

#include <spreadsheet/ClipboardBlock.h>
#include <spreadsheet/History.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <QDate>
#include <QElapsedTimer>
#include <QLocale>
#include <QWidget>

#include <algorithm>
#include <cmath>

using spreadsheet::CellRange;
using spreadsheet::Sheet;

namespace {

const QLocale kBrasil(QLocale::Portuguese, QLocale::Brazil);

bool numerico(const QString& texto)
{
    bool numero = false;
    kBrasil.toDouble(texto.trimmed(), &numero);
    if (!numero)
        texto.trimmed().toDouble(&numero);
    return numero;
}

// A layout row whose first column holds a caption rather than a code is a
// note for whoever draws the layout, never part of a page.
bool linhaDeNota(const Sheet& pagina, int linha)
{
    const QString texto = pagina.displayText(linha, 0);
    return !texto.isEmpty() && !numerico(texto);
}

void excluirNotas(Sheet& pagina)
{
    for (int linha = 0; linha < pagina.rowCount();) {
        if (!linhaDeNota(pagina, linha)) {
            ++linha;
            continue;
        }
        pagina.clearCells({0, linha, std::max(pagina.columnCount() - 1, 0), linha});
        pagina.deleteRows(linha, 1);
    }
}

// Each existing cell keeps what it shows now, as text: formulas become
// their values.
void fixarTexto(Sheet& pagina, int linha, int primeira, int ultima)
{
    for (int coluna = primeira; coluna <= ultima; ++coluna) {
        if (pagina.hasCell(linha, coluna))
            pagina.setText(linha, coluna, pagina.displayText(linha, coluna), spreadsheet::TextMode::Plain);
    }
}

QString dataCurta(double serial)
{
    return QDate(1899, 12, 30).addDays(static_cast<qint64>(std::floor(serial))).toString(QStringLiteral("dd/MM/yyyy"));
}

spreadsheet::ClipboardBlock copiaDe(const Sheet& leiaute)
{
    const CellRange usada{0, 0, std::max(leiaute.columnCount() - 1, 0), std::max(leiaute.rowCount() - 1, 0)};
    return spreadsheet::ClipboardBlock::copy(leiaute, usada);
}

}  // namespace

PaginasLeiaute::PaginasLeiaute(spreadsheet::Workbook& pasta, QWidget& principal) : FPasta(pasta), FPrincipal(principal)
{
}

void PaginasLeiaute::copiar()
{
    const AtualizacaoSuspensa suspensa(FPasta);
    const spreadsheet::HistoryScope acao(FPasta.history(), QStringLiteral("Copiar leiaute"));
    const Sheet& modelo = leiaute();
    const QString lista = empresas();
    spreadsheet::ClipboardBlock bloco = copiaDe(modelo);
    paraCadaEmpresa(lista, [&](const QString& nome) {
        Sheet& pagina = paginaLimpa(nome);
        colar(bloco, modelo, pagina);
        excluirNotas(pagina);
    });
}

void PaginasLeiaute::gerar()
{
    QElapsedTimer tempo;
    tempo.start();
    {
        const AtualizacaoSuspensa suspensa(FPasta);
        const spreadsheet::HistoryScope acao(FPasta.history(), QStringLiteral("Gerar páginas"));
        const Sheet& modelo = leiaute();
        const QString lista = empresas();
        mostrarDatas();
        spreadsheet::ClipboardBlock bloco = copiaDe(modelo);
        paraCadaEmpresa(lista, [&](const QString& nome) {
            FPrincipal.setWindowTitle(nome);
            Sheet& pagina = paginaLimpa(nome);
            colar(bloco, modelo, pagina);
            gerarPagina(pagina);
        });
    }
    FPrincipal.setWindowTitle(QStringLiteral("Tempo: %1 s").arg(kBrasil.toString(tempo.elapsed() / 1000.0, 'f', 2)));
}

Sheet& PaginasLeiaute::leiaute() const
{
    if (!BuscaPlanilha::planilha(FPasta, u"Parametros"))
        throw host::HostError(QStringLiteral("Parametros esta nil."));
    Sheet* modelo = BuscaPlanilha::planilha(FPasta, u"Layout");
    if (!modelo)
        throw host::HostError(QStringLiteral("Layout esta nil."));
    return *modelo;
}

// "Filiais" is not used for the pages, but a report without it is not set
// up: it is asked for all the same.
QString PaginasLeiaute::empresas() const
{
    const QString lista = BuscaPlanilha::texto(BuscaPlanilha::GetDefinedName(FPasta, u"Empresas"));
    BuscaPlanilha::GetDefinedName(FPasta, u"Filiais");
    return lista;
}

void PaginasLeiaute::mostrarDatas() const
{
    for (const char16_t* nome : {u"DataInicial", u"DataFinal"}) {
        const double serial = BuscaPlanilha::numero(BuscaPlanilha::GetDefinedName(FPasta, nome));
        host::nShowMessage(dataCurta(serial));
    }
}

void PaginasLeiaute::paraCadaEmpresa(const QString& lista, const std::function<void(const QString&)>& pagina) const
{
    const host::TInclusionPairs pares = host::StrToInclusionExVUnique(lista, {host::InclusionTypeInteger}, 0);
    int codigo = 0;
    int posicao = -1;
    while (host::ProximoInclusao(codigo, posicao, pares, 1000))
        pagina(QStringLiteral("Emp%1").arg(codigo));
}

Sheet& PaginasLeiaute::paginaLimpa(const QString& nome) const
{
    Sheet* existente = BuscaPlanilha::planilha(FPasta, nome);
    if (!existente)
        return FPasta.addSheet(nome);
    if (existente->rowCount() > 0 && existente->columnCount() > 0)
        existente->clearValues({0, 0, existente->columnCount() - 1, existente->rowCount() - 1});
    return *existente;
}

// Rows have no style of their own in this workbook model, so their lock
// has nothing to be copied from: sizes and visibility are all there is.
void PaginasLeiaute::colar(spreadsheet::ClipboardBlock& bloco, const Sheet& leiaute, Sheet& pagina)
{
    bloco.paste(pagina, 0, 0);
    for (int linha = 0; linha < leiaute.rowCount(); ++linha) {
        pagina.setRowHeight(linha, leiaute.rowHeight(linha));
        pagina.setRowHidden(linha, leiaute.isRowHidden(linha));
    }
    for (int coluna = 0; coluna < leiaute.columnCount(); ++coluna) {
        pagina.setColumnWidth(coluna, leiaute.columnWidth(coluna));
        pagina.setColumnHidden(coluna, leiaute.isColumnHidden(coluna));
    }
}

// Column A holds the codes that steer the layout; once they have done their
// work the page keeps only the values, and loses the column.
void PaginasLeiaute::gerarPagina(Sheet& pagina) const
{
    FPasta.calculate();
    const int linhas = pagina.rowCount();
    for (int linha = 0; linha < linhas; ++linha)
        fixarTexto(pagina, linha, 0, 0);
    const int ultima = pagina.columnCount() - 1;
    for (int linha = 0; linha < linhas && ultima >= 1; ++linha) {
        if (linhaDeNota(pagina, linha))
            pagina.clearCells({1, linha, ultima, linha});
    }
    FPasta.calculate();
    for (int linha = 0; linha < linhas; ++linha)
        fixarTexto(pagina, linha, 1, ultima);
    excluirNotas(pagina);
    pagina.deleteColumns(0, 1);
}
