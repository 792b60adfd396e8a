#include "relatorio/GravacaoRelatorio.h"

#include "relatorio/SaidaRelatorio.h"

#include <spreadsheet/Sheet.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>
#include <spreadsheet/io/WorkbookExport.h>
#include <spreadsheet/io/WorkbookFile.h>
#include <spreadsheet/print/PdfExport.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace relatorio {

namespace {

struct Extensao {
    const char* sufixo;
    FormatoSaida formato;
};

constexpr std::array<Extensao, 4> kExtensoes{{{"nxs", FormatoSaida::Nxs},
                                              {"csv", FormatoSaida::Csv},
                                              {"xlsx", FormatoSaida::Xlsx},
                                              {"pdf", FormatoSaida::Pdf}}};

void gravarBytes(const QString& caminho, const QByteArray& bytes)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(bytes) != bytes.size())
        throw spreadsheet::SpreadsheetError(
            QStringLiteral("Não foi possível gravar \"%1\": %2").arg(caminho, arquivo.errorString()));
}

std::vector<const spreadsheet::Sheet*> folhasDoPdf(const RelatorioGerado& relatorio)
{
    if (!relatorio.todasFolhas)
        return relatorio.paginas;
    std::vector<const spreadsheet::Sheet*> folhas;
    for (int i = 0; i < relatorio.workbook.sheetCount(); ++i)
        folhas.push_back(&relatorio.workbook.sheet(i));
    return folhas;
}

void gravarUma(RelatorioGerado& relatorio, const Saida& alvo, SaidaRelatorio& saida, bool& soPaginas)
{
    switch (alvo.formato) {
    case FormatoSaida::Nxs:
        saida.escrever(alvo.caminho, [&](const QString& temporario) {
            spreadsheet::io::WorkbookFile::save(relatorio.workbook, relatorio.impressao, temporario);
        });
        break;
    case FormatoSaida::Csv:
        for (const spreadsheet::Sheet* pagina : relatorio.paginas) {
            saida.escrever(GravacaoRelatorio::caminhoCsv(alvo.caminho, *pagina), [&](const QString& temporario) {
                QByteArray bytes;
                spreadsheet::io::WorkbookExport::csv(*pagina, bytes);
                gravarBytes(temporario, bytes);
            });
        }
        break;
    case FormatoSaida::Pdf:
        saida.escrever(alvo.caminho, [&](const QString& temporario) {
            spreadsheet::print::PdfExport::write(temporario, folhasDoPdf(relatorio), relatorio.impressao,
                                                 relatorio.titulo);
        });
        break;
    case FormatoSaida::Xlsx:
        if (!relatorio.todasFolhas && !soPaginas) {
            GravacaoRelatorio::apenasPaginas(relatorio.workbook, relatorio.paginas);
            soPaginas = true;
        }
        saida.escrever(alvo.caminho, [&](const QString& temporario) {
            spreadsheet::io::WorkbookExport::xlsx(relatorio.workbook, temporario, relatorio.impressao);
        });
        break;
    }
}

}  // namespace

std::optional<FormatoSaida> GravacaoRelatorio::formatoDe(const QString& caminho)
{
    const QString sufixo = QFileInfo(caminho).suffix().toLower();
    for (const Extensao& extensao : kExtensoes) {
        if (sufixo == QLatin1String(extensao.sufixo))
            return extensao.formato;
    }
    return std::nullopt;
}

QString GravacaoRelatorio::caminhoCsv(const QString& saida, const spreadsheet::Sheet& pagina)
{
    const QFileInfo info(saida);
    return info.absoluteDir().filePath(info.completeBaseName() + QLatin1Char('_') + pagina.name()
                                       + QStringLiteral(".csv"));
}

// Every sheet but the pages goes, and the template's names with them.
void GravacaoRelatorio::apenasPaginas(spreadsheet::Workbook& workbook, const std::vector<const spreadsheet::Sheet*>& paginas)
{
    while (!workbook.names().empty())
        workbook.deleteName(workbook.names().front().name);
    for (int i = workbook.sheetCount() - 1; i >= 0; --i) {
        if (std::find(paginas.begin(), paginas.end(), &workbook.sheet(i)) == paginas.end())
            workbook.deleteSheet(i);
    }
}

// The pages-only workbook is made by dropping the template's sheets, so the
// xlsx is written after everything that needs the whole workbook.
bool GravacaoRelatorio::gravar(RelatorioGerado& relatorio, std::vector<Saida> saidas, SaidaRelatorio& saida)
{
    std::stable_sort(saidas.begin(), saidas.end(),
                     [](const Saida& a, const Saida& b) { return a.formato < b.formato; });
    bool soPaginas = false;
    for (const Saida& alvo : saidas)
        gravarUma(relatorio, alvo, saida, soPaginas);
    return saida.confirmar();
}

}  // namespace relatorio
