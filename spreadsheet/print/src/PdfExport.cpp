#include <spreadsheet/print/PdfExport.h>

#include <spreadsheet/Sheet.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/print/PageLayout.h>
#include <spreadsheet/print/PagePainter.h>

#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace spreadsheet::print {

namespace {

// Paper pixels are the sheet's own, so a cell measures on paper what it
// measures on screen; the PDF keeps text and lines as vectors all the same.
constexpr int kResolution = 96;

const QString kCreator = QStringLiteral("Darvelo Planilhas");

}  // namespace

int PdfExport::write(const QString& path, const std::vector<const Sheet*>& sheets, const io::PrintSettings& settings,
                     const QString& title)
{
    if (sheets.empty()) {
        throw SpreadsheetError(QStringLiteral("Nada a imprimir: nenhuma planilha escolhida."));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw SpreadsheetError(QStringLiteral("Não foi possível criar %1: %2").arg(path, file.errorString()));
    }
    QPdfWriter writer(&file);
    writer.setResolution(kResolution);
    writer.setTitle(title);
    writer.setCreator(kCreator);
    const PageLayout first(*sheets.front(), settings);
    writer.setPageSize(QPageSize(first.paperMm(), QPageSize::Millimeter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    const QDateTime now = QDateTime::currentDateTime();
    int written = 0;
    for (const Sheet* sheet : sheets) {
        const PageLayout layout(*sheet, settings);
        const PagePainter pages(*sheet, layout);
        const int count = static_cast<int>(layout.pages().size());
        for (int i = 0; i < count; ++i) {
            if (written == 0) {
                painter.begin(&writer);
            } else {
                writer.newPage();
            }
            pages.paint(painter, i,
                        {settings.firstPageNumber + i, count, sheet->name(), QFileInfo(path).fileName(), now});
            ++written;
        }
    }
    if (written == 0) {
        throw SpreadsheetError(QStringLiteral("Nada a imprimir: as planilhas estão vazias."));
    }
    painter.end();
    if (!file.commit()) {
        throw SpreadsheetError(QStringLiteral("Não foi possível gravar %1: %2").arg(path, file.errorString()));
    }
    return written;
}

}  // namespace spreadsheet::print
