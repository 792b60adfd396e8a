#include "ParametrosModelo.h"

#include <spreadsheet/DefinedName.h>
#include <spreadsheet/Reference.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

namespace {

const QString kFolhaParametros = QStringLiteral("Parâmetros");

int proximaLinhaLivre(const spreadsheet::Sheet& folha)
{
    int row = folha.rowCount();
    while (row > 0 && folha.text(row - 1, 0).isEmpty() && folha.text(row - 1, 1).isEmpty())
        --row;
    return row;
}

}  // namespace

// Values are written as plain text: a list such as "1;3" or "2..5" must
// reach the run exactly as typed.
void ParametrosModelo::gravar(spreadsheet::Workbook& workbook, const QString& nome, const QString& valor)
{
    if (const spreadsheet::DefinedName* definido = workbook.findName(nome)) {
        const auto areas = definido->areas(workbook);
        if (areas.empty() || !areas.front().sheet)
            throw spreadsheet::SpreadsheetError(
                QStringLiteral("O nome definido %1 do modelo não se refere a uma célula.").arg(nome));
        areas.front().sheet->setText(areas.front().range.top, areas.front().range.left, valor,
                                     spreadsheet::TextMode::Plain);
        return;
    }
    spreadsheet::Sheet* folha = workbook.findSheet(kFolhaParametros);
    if (!folha)
        folha = &workbook.addSheet(kFolhaParametros);
    const int row = proximaLinhaLivre(*folha);
    folha->setText(row, 0, nome, spreadsheet::TextMode::Plain);
    folha->setText(row, 1, valor, spreadsheet::TextMode::Plain);
    workbook.defineName(nome, QStringLiteral("'%1'!$B$%2").arg(kFolhaParametros).arg(row + 1));
}
