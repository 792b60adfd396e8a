#include "src/nomes/ComandosNomes.h"

#include "workbook/TVandrelFilhaForm.h"

#include "catalog/TnUtilPlanilha.h"

#include "host/TnDialogos.h"

#include <spreadsheet/History.h>
#include <spreadsheet/Reference.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>
#include <spreadsheet/widgets/SpreadsheetView.h>

#include <algorithm>
#include <vector>

using spreadsheet::CellRange;
using spreadsheet::cellAddressText;

namespace {

const QString kComoNomear = QStringLiteral(
    " Um nome começa por uma letra ou \"_\", segue com letras, números, \"_\" ou \".\" e não pode ser o "
    "endereço de uma célula.");

}  // namespace

ComandosNomes::ComandosNomes(TVandrelFilhaForm& janela) : FJanela(janela) {}

spreadsheet::Workbook& ComandosNomes::pasta() const
{
    return FJanela.workbook();
}

spreadsheet::Sheet& ComandosNomes::folha() const
{
    return pasta().activeSheet();
}

CellRange ComandosNomes::selecao() const
{
    return FJanela.cxSpreadBook().selection();
}

void ComandosNomes::adicionar(const QString& nome, const QString& referencia) const
{
    if (pasta().findName(nome))
        throw spreadsheet::SpreadsheetError(QStringLiteral("Já existe um nome \"%1\" na pasta.").arg(nome));
    try {
        pasta().defineName(nome, referencia);
    } catch (const spreadsheet::SpreadsheetError& erro) {
        // The text offered is the cell's own address, which is no name: the
        // user needs to know what to type instead.
        throw spreadsheet::SpreadsheetError(erro.message() + kComoNomear);
    }
}

// With its sheet: a bare address would follow whichever sheet is active
// when the name is read, and a run started on the layout would take its
// parameters from there.
QString ComandosNomes::referenciaDe(int linha, int coluna) const
{
    return spreadsheet::sheetPrefix(folha().name()) + cellAddressText(linha, coluna, true, true);
}

bool ComandosNomes::definirNome()
{
    const CellRange area = selecao();
    QString nome = cellAddressText(area.bottom, area.right);
    if (!host::nInputQuery(QStringLiteral("Definir"), QStringLiteral("Nome:"), nome))
        return false;
    adicionar(nome, referenciaDe(area.bottom, area.right));
    FJanela.MarkChanged();
    return true;
}

bool ComandosNomes::excluirNome()
{
    QString nome = catalog::TnUtilPlanilha::CellsNameByRef(folha(), selecao(), true);
    if (!host::nInputQuery(QStringLiteral("Deletar"), QStringLiteral("Nome:"), nome))
        return false;
    pasta().deleteName(nome);  // nothing happens when there is no such name
    FJanela.MarkChanged();
    return true;
}

bool ComandosNomes::excluirTodos()
{
    const std::vector<spreadsheet::DefinedName> nomes = pasta().names();
    const spreadsheet::HistoryScope acao(pasta().history(), QStringLiteral("Excluir nomes"));
    for (auto nome = nomes.rbegin(); nome != nomes.rend(); ++nome)
        pasta().deleteName(nome->name);
    return !nomes.empty();
}

bool ComandosNomes::criarComValores()
{
    const CellRange area = selecao();
    QString prefixo;
    if (!host::nInputQuery(QStringLiteral("Definir Selecionado"),
                           QStringLiteral("Nome: ") + cellAddressText(area.top, area.left), prefixo))
        return false;
    const spreadsheet::Sheet& origem = folha();
    // A whole-column selection reaches a million rows: past the used area
    // every cell is empty anyway.
    const int ultimaLinha = std::min(area.bottom, origem.rowCount() - 1);
    const int ultimaColuna = std::min(area.right, origem.columnCount() - 1);
    // One action: a name refused half-way takes back the ones before it.
    const spreadsheet::HistoryScope acao(pasta().history(), QStringLiteral("Definir nomes"));
    for (int linha = area.top; linha <= ultimaLinha; ++linha) {
        for (int coluna = area.left; coluna <= ultimaColuna; ++coluna) {
            const QString texto = origem.displayText(linha, coluna);
            if (!texto.isEmpty())
                adicionar(prefixo + texto, referenciaDe(linha, coluna));
        }
    }
    return true;
}
