#include "relatorio/ParametrosModelo.h"

#include "host/HostError.h"
#include "host/InclusionList.h"
#include "host/TextRoutines.h"
#include "host/TnDMPlanilha.h"

#include <spreadsheet/DefinedName.h>
#include <spreadsheet/Reference.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <array>

namespace relatorio {

namespace {

using T = TipoParametro;

constexpr std::array<ParametroRelatorio, 9> kParametros{{
    {"Empresas", "empresas", "empresas a gerar (ex.: 1..4;7)", T::Lista, true, true},
    {"PeriodoCalculo", "periodo", "períodos de cálculo", T::Lista, true, true},
    {"Filiais", "filiais", "estabelecimentos", T::Lista, false, true},
    {"Funcionarios", "funcionarios", "funcionários", T::Lista, false, true},
    {"CentroCustos", "centros-custo", "centros de custo", T::Lista, false, true},
    {"LocalContabil", "local-contabil", "locais contábeis", T::Lista, false, true},
    {"Replicacao", "replicacao", "colunas de replicação (ex.: A;B)", T::Colunas, false, true},
    {"ColunaExclusao", "coluna-exclusao", "coluna que exclui a linha quando vazia ou zero", T::Coluna, false, false},
    {"LinhasPorPagina", "linhas-por-pagina", "linhas por página impressa", T::Numero, false, false},
}};

const QString kFolhaParametros = QStringLiteral("Parâmetros");

int proximaLinhaLivre(const spreadsheet::Sheet& folha)
{
    int row = folha.rowCount();
    while (row > 0 && folha.text(row - 1, 0).isEmpty() && folha.text(row - 1, 1).isEmpty())
        --row;
    return row;
}

QString validarColuna(const QString& coluna)
{
    if (host::ColunaExcelParaIndice(coluna.trimmed()) < 0)
        return QStringLiteral("\"%1\" não é uma coluna (use letras, como A ou AB).").arg(coluna.trimmed());
    return {};
}

}  // namespace

std::span<const ParametroRelatorio> ParametrosModelo::parametros()
{
    return kParametros;
}

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

// What the run would read, so that the user is shown the value the run uses.
std::optional<QString> ParametrosModelo::ler(const spreadsheet::Workbook& workbook, const QString& nome)
{
    const spreadsheet::DefinedName* definido = workbook.findName(nome);
    if (!definido)
        return std::nullopt;
    const auto areas = definido->areas(workbook);
    if (areas.empty() || !areas.front().sheet)
        return std::nullopt;
    return host::TnDMPlanilha::TextoDoValor(areas.front().sheet->value(areas.front().range.top, areas.front().range.left));
}

QString ParametrosModelo::validar(const ParametroRelatorio& parametro, const QString& texto)
{
    const QString limpo = texto.trimmed();
    if (limpo.isEmpty())
        return parametro.obrigatorio ? QStringLiteral("Informe um valor.") : QString();
    switch (parametro.tipo) {
    case T::Lista:
        try {
            host::StrToInclusionExVUnique(limpo, {host::InclusionTypeInteger}, 0);
        } catch (const host::HostError& erro) {
            return erro.message();
        }
        return {};
    case T::Colunas:
        for (const QString& coluna : limpo.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            if (QString erro = validarColuna(coluna); !erro.isEmpty())
                return erro;
        }
        return {};
    case T::Coluna:
        return validarColuna(limpo);
    case T::Numero: {
        bool ok = false;
        const int valor = limpo.toInt(&ok);
        return ok && valor > 0 ? QString() : QStringLiteral("Informe um número inteiro maior que zero.");
    }
    }
    return {};
}

}  // namespace relatorio
