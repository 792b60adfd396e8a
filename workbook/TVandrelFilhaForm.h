#pragma once

#include <spreadsheet/io/PrintSettings.h>

#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

namespace spreadsheet {
class Workbook;
namespace widgets {
class SpreadsheetView;
}
}  // namespace spreadsheet

// A workbook window of the editor: one workbook shown in its grid view,
// the print settings that travel with its file, and whether it has unsaved
// changes.
class TVandrelFilhaForm : public QWidget {
    Q_OBJECT
public:
    explicit TVandrelFilhaForm(QWidget* parent = nullptr);
    ~TVandrelFilhaForm() override;

    spreadsheet::Workbook& workbook() const;
    spreadsheet::widgets::SpreadsheetView& cxSpreadBook() const;
    spreadsheet::io::PrintSettings& reportLink() { return FImpressao; }

    // The file the window saves to: empty until the workbook has one. The
    // title is for the user only; a new "Pasta1" has no file.
    const QString& caminho() const { return FCaminho; }

    bool isEditorMode() const { return FIsEditorMode; }
    // Unsaved changes: anything the workbook's history has seen since the
    // last save, and what MarkChanged was told about.
    bool changed() const;
    void MarkChanged();

    // Reads the file into the window, replacing its workbook, and gives what
    // the reader could not take, for the user to be told. Throws.
    std::vector<QString> carregar(const QString& caminho);
    // Reads a recovery copy of a workbook that saves to caminho (empty when
    // it never had a file): the window saves there, and counts as unsaved,
    // since the file does not hold what the copy holds. Throws.
    void recuperar(const QString& copia, const QString& caminho);
    // Shows a report the window was not loaded from: it has no file yet and
    // counts as unsaved from the start.
    void mostrarRelatorio(std::unique_ptr<spreadsheet::Workbook> relatorio,
                          const spreadsheet::io::PrintSettings& impressao);
    bool ehRelatorio() const { return FRelatorio; }
    // Writes the workbook and its print settings; the file is replaced only
    // once complete. Throws, leaving the window modified.
    void salvar(const QString& caminho);

signals:
    void selectionChanged();
    void changedStateChanged();
    void editorModeChanged(bool editing);

private:
    void mostrar(std::unique_ptr<spreadsheet::Workbook> workbook);
    void marcarSalvo();

    std::unique_ptr<spreadsheet::Workbook> FWorkbook;
    spreadsheet::widgets::SpreadsheetView* FView = nullptr;
    spreadsheet::io::PrintSettings FImpressao;
    QString FCaminho;
    std::uint64_t FEstadoSalvo = 0;
    bool FMarcado = false;
    bool FIsEditorMode = false;
    bool FRelatorio = false;
};
