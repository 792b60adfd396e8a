#pragma once

#include <spreadsheet/io/PrintSettings.h>

#include <QPageLayout>
#include <QString>

#include <vector>

class QPagedPaintDevice;

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
    // The paper as turned, with no margins of the device's own: the
    // settings' margins are drawn by the pages.
    QPageLayout pageLayout() const;
    // Paints every page on a device already set to pageLayout() and
    // kResolution. Returns the number of pages painted.
    int render(QPagedPaintDevice& device) const;

private:
    std::vector<const Sheet*> sheets_;
    io::PrintSettings settings_;
    QString fileName_;
};

}  // namespace spreadsheet::print
