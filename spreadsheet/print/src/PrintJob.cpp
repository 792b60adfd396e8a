#include <spreadsheet/print/PrintJob.h>

#include <spreadsheet/Sheet.h>
#include <spreadsheet/print/PageLayout.h>
#include <spreadsheet/print/PagePainter.h>

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

namespace spreadsheet::print {

PrintJob::PrintJob(std::vector<const Sheet*> sheets, const io::PrintSettings& settings, QString fileName)
    : sheets_(std::move(sheets)), settings_(settings), fileName_(std::move(fileName))
{
}

int PrintJob::pageCount() const
{
    int count = 0;
    for (const Sheet* sheet : sheets_) {
        count += static_cast<int>(PageLayout(*sheet, settings_).pages().size());
    }
    return count;
}

QPageLayout PrintJob::pageLayout() const
{
    // The size as the paper is fed; the orientation turns it.
    const QSizeF fed(std::min(settings_.paperWidthMm, settings_.paperHeightMm),
                     std::max(settings_.paperWidthMm, settings_.paperHeightMm));
    const bool landscape = settings_.landscape != (settings_.paperWidthMm > settings_.paperHeightMm);
    return QPageLayout(QPageSize(fed, QPageSize::Millimeter), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

int PrintJob::render(QPagedPaintDevice& device) const
{
    QPainter painter;
    const QDateTime now = QDateTime::currentDateTime();
    int painted = 0;
    for (const Sheet* sheet : sheets_) {
        const PageLayout layout(*sheet, settings_);
        const PagePainter pages(*sheet, layout);
        const int count = static_cast<int>(layout.pages().size());
        for (int i = 0; i < count; ++i) {
            if (painted == 0) {
                painter.begin(&device);
            } else {
                device.newPage();
            }
            pages.paint(painter, i, {settings_.firstPageNumber + i, count, sheet->name(), fileName_, now});
            ++painted;
        }
    }
    if (painter.isActive()) {
        painter.end();
    }
    return painted;
}

}  // namespace spreadsheet::print
