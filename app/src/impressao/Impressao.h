#pragma once

#include <spreadsheet/io/PrintSettings.h>
#include <spreadsheet/print/PrintJob.h>

#include <QString>

#include <memory>

class QDialog;
class QWidget;

namespace spreadsheet {
class Sheet;
}

// Printing a sheet from the editor: the preview, with Print and "Exportar
// PDF...", and the print dialog; both draw the pages the PDF has.
class Impressao {
public:
    Impressao(const spreadsheet::Sheet& folha, const spreadsheet::io::PrintSettings& settings, QString arquivo);

    // Raise SpreadsheetError when the sheet has nothing to print.
    void visualizar(QWidget* parent) const;
    // The preview, not yet shown: zoom, page navigation, Print and
    // "Exportar PDF...".
    std::unique_ptr<QDialog> criarVisualizacao(QWidget* parent) const;
    void imprimir(QWidget* parent) const;
    // Asks where, then writes the PDF; false when the user gave up.
    bool exportarPdf(QWidget* parent) const;

private:
    // Raises SpreadsheetError when the sheet has nothing to print.
    spreadsheet::print::PrintJob trabalho() const;

    const spreadsheet::Sheet& FFolha;
    spreadsheet::io::PrintSettings FSettings;
    QString FArquivo;
};
