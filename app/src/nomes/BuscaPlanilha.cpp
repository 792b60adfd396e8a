#include "src/nomes/BuscaPlanilha.h"

#include "host/HostError.h"

#include <spreadsheet/DefinedName.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

spreadsheet::Sheet* BuscaPlanilha::planilha(const spreadsheet::Workbook& pasta, QStringView legenda)
{
    return pasta.findSheet(legenda);
}

std::optional<BuscaPlanilha::Celula> BuscaPlanilha::FindDefinedNames(const spreadsheet::Workbook& pasta,
                                                                     QStringView nome)
{
    const spreadsheet::DefinedName* definido = pasta.findName(nome);
    if (!definido)
        return std::nullopt;
    const auto areas = definido->areas(pasta);
    if (areas.empty())
        return std::nullopt;
    return Celula{areas.front().sheet, areas.front().range.top, areas.front().range.left};
}

BuscaPlanilha::Celula BuscaPlanilha::GetDefinedName(const spreadsheet::Workbook& pasta, QStringView nome)
{
    if (const std::optional<Celula> celula = FindDefinedNames(pasta, nome))
        return *celula;
    throw host::HostError(QStringLiteral("Nome: %1 não encontrado.").arg(nome));
}

QString BuscaPlanilha::texto(const std::optional<Celula>& celula)
{
    return celula ? celula->folha->displayText(celula->linha, celula->coluna) : QString();
}

double BuscaPlanilha::numero(const std::optional<Celula>& celula)
{
    if (!celula)
        return 0.0;
    const spreadsheet::Value valor = celula->folha->value(celula->linha, celula->coluna);
    return valor.isNumber() ? valor.number() : 0.0;
}
