#pragma once

#include <spreadsheet/io/PrintSettings.h>

#include <QString>

#include <optional>
#include <vector>

namespace spreadsheet {
class Sheet;
class Workbook;
}  // namespace spreadsheet

namespace relatorio {

class SaidaRelatorio;

enum class FormatoSaida { Nxs, Csv, Xlsx, Pdf };

struct Saida {
    QString caminho;
    FormatoSaida formato;
};

// A generated report as it is written out.
struct RelatorioGerado {
    spreadsheet::Workbook& workbook;
    spreadsheet::io::PrintSettings impressao;
    std::vector<const spreadsheet::Sheet*> paginas;
    // The xlsx and the PDF take the template's sheets too; without it the
    // xlsx is written from the workbook with only its pages left.
    bool todasFolhas = false;
    QString titulo;  // the file name the PDF's headers show
};

// The files of a report: the workbook (nxs), one csv per page, the xlsx and
// the PDF, all through one all-or-nothing output.
class GravacaoRelatorio {
public:
    // By the path's extension; empty for one that names no format.
    static std::optional<FormatoSaida> formatoDe(const QString& caminho);
    // "relatorio.csv" gives "relatorio_Emp12.csv" for the page Emp12.
    static QString caminhoCsv(const QString& saida, const spreadsheet::Sheet& pagina);
    // Leaves only the pages in the workbook, without the template's names:
    // the report as it is handed out.
    static void apenasPaginas(spreadsheet::Workbook& workbook, const std::vector<const spreadsheet::Sheet*>& paginas);
    // False when the output was stopped before its files were put in place.
    static bool gravar(RelatorioGerado& relatorio, std::vector<Saida> saidas, SaidaRelatorio& saida);
};

}  // namespace relatorio
