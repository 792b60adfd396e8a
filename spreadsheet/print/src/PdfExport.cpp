#include <spreadsheet/print/PdfExport.h>

#include <spreadsheet/Sheet.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/print/PrintJob.h>

#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

namespace spreadsheet::print {

namespace {

const QString kCreator = QStringLiteral("Darvelo Planilhas");

}  // namespace

int PdfExport::write(const QString& path, const std::vector<const Sheet*>& sheets, const io::PrintSettings& settings,
                     const QString& title)
{
    const PrintJob job(sheets, settings, QFileInfo(path).fileName());
    if (job.pageCount() == 0) {
        throw SpreadsheetError(QStringLiteral("Nada a imprimir: as planilhas estão vazias."));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw SpreadsheetError(QStringLiteral("Não foi possível criar %1: %2").arg(path, file.errorString()));
    }
    const int pages = [&] {
        // The writer flushes the file's end when it goes.
        QPdfWriter writer(&file);
        writer.setResolution(PrintJob::kResolution);
        writer.setTitle(title);
        writer.setCreator(kCreator);
        writer.setPageLayout(job.pageLayout());
        return job.render(writer);
    }();
    if (!file.commit()) {
        throw SpreadsheetError(QStringLiteral("Não foi possível gravar %1: %2").arg(path, file.errorString()));
    }
    return pages;
}

}  // namespace spreadsheet::print
