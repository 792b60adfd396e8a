#include <spreadsheet/print/PrintJob.h>

#include <spreadsheet/Sheet.h>
#include <spreadsheet/print/PageLayout.h>
#include <spreadsheet/print/PagePainter.h>

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

namespace spreadsheet::print {

struct PrintJob::SheetPages {
    SheetPages(const Sheet& s, const io::PrintSettings& settings, int firstIndex)
        : sheet(s), layout(s, settings), painter(s, layout), first(firstIndex)
    {
    }
    int count() const { return static_cast<int>(layout.pages().size()); }

    const Sheet& sheet;
    PageLayout layout;
    PagePainter painter;
    int first;  // the job's index of the sheet's first page
};

PrintJob::PrintJob(std::vector<const Sheet*> sheets, const io::PrintSettings& settings, QString fileName)
    : sheets_(std::move(sheets)), settings_(settings), fileName_(std::move(fileName)),
      printedAt_(QDateTime::currentDateTime())
{
}

const std::vector<std::shared_ptr<PrintJob::SheetPages>>& PrintJob::laidOut() const
{
    if (pages_.empty()) {
        int first = 0;
        for (const Sheet* sheet : sheets_) {
            pages_.push_back(std::make_shared<SheetPages>(*sheet, settings_, first));
            first += pages_.back()->count();
        }
    }
    return pages_;
}

int PrintJob::pageCount() const
{
    return laidOut().empty() ? 0 : laidOut().back()->first + laidOut().back()->count();
}

void PrintJob::paintPage(QPainter& painter, int index) const
{
    for (const auto& sheet : laidOut()) {
        const int local = index - sheet->first;
        if (local >= 0 && local < sheet->count()) {
            sheet->painter.paint(painter, local,
                                 {settings_.firstPageNumber + local, sheet->count(), sheet->sheet.name(), fileName_,
                                  printedAt_});
            return;
        }
    }
}

QSizeF PrintJob::paperPixels() const
{
    return pageLayout().fullRect(QPageLayout::Millimeter).size() * PageLayout::kPixelsPerMm;
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
    const int count = pageCount();
    QPainter painter;
    for (int i = 0; i < count; ++i) {
        if (i == 0) {
            painter.begin(&device);
        } else {
            device.newPage();
        }
        paintPage(painter, i);
    }
    if (painter.isActive()) {
        painter.end();
    }
    return count;
}

}  // namespace spreadsheet::print
