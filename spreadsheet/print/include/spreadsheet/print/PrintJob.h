#pragma once

#include <spreadsheet/io/PrintSettings.h>

#include <QDateTime>
#include <QPageLayout>
#include <QSizeF>
#include <QString>

#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace spreadsheet {
class Sheet;
}

namespace spreadsheet::print {

// The pages of some sheets for one device: a PDF, a printer or the preview.
// Each sheet starts on a new page and numbers its own pages.
class PrintJob {
public:
    // Paper pixels are the sheet's own, 96 to the inch, so that a cell
    // measures on paper what it measures on screen.
    static constexpr int kResolution = 96;

    PrintJob(std::vector<const Sheet*> sheets, const io::PrintSettings& settings, QString fileName);

    int pageCount() const;
    // One page, by its place in the whole job, on a painter in paper
    // pixels with the paper's corner at (0, 0). The preview paints only the
    // page it shows.
    void paintPage(QPainter& painter, int index) const;
    // The paper as turned, in paper pixels.
    QSizeF paperPixels() const;
    // The paper as turned, with no margins of the device's own: the
    // settings' margins are drawn by the pages.
    QPageLayout pageLayout() const;
    // Paints every page on a device already set to pageLayout() and
    // kResolution. Returns the number of pages painted.
    int render(QPagedPaintDevice& device) const;

private:
    struct SheetPages;
    // Laid out at the first need, once.
    const std::vector<std::shared_ptr<SheetPages>>& laidOut() const;

    std::vector<const Sheet*> sheets_;
    io::PrintSettings settings_;
    QString fileName_;
    QDateTime printedAt_;
    mutable std::vector<std::shared_ptr<SheetPages>> pages_;
};

}  // namespace spreadsheet::print
