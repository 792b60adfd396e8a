#pragma once

#include <spreadsheet/CellRange.h>
#include <spreadsheet/io/PrintSettings.h>

#include <QSizeF>

#include <vector>

namespace spreadsheet {
class Sheet;
}

namespace spreadsheet::print {

// The pages of one sheet on paper. Sizes are in the sheet's own pixels
// (96 to the inch) before scaling, so that a page is drawn as the grid draws
// it. Pages run down, then across, as spreadsheet programs print them.
class PageLayout {
public:
    static constexpr double kPixelsPerMm = 96.0 / 25.4;

    // The print area when it names this sheet (or no sheet), else the
    // sheet's used area. A sheet with nothing to print has no pages.
    PageLayout(const Sheet& sheet, const io::PrintSettings& settings);

    const std::vector<CellRange>& pages() const { return pages_; }
    const CellRange& area() const { return area_; }
    // Sheet pixels to paper pixels: the scale in percent, or what fitting
    // to pages wide and tall asks for, never above the scale given.
    double scale() const { return scale_; }
    // The paper as it is turned, and the room inside the margins, in mm.
    QSizeF paperMm() const { return paperMm_; }
    QSizeF contentMm() const;
    // The room the cells of a page take, headings included, in sheet pixels.
    QSizeF pageSize(const CellRange& page) const;
    bool headings() const { return settings_.printHeadings; }
    const io::PrintSettings& settings() const { return settings_; }

private:
    CellRange printedArea() const;
    double fittedScale() const;
    // The first index of each band along one direction.
    std::vector<int> bands(int first, int last, double room, bool rows) const;
    int size(int index, bool rows) const;
    int mergeStart(int index, bool rows, int bandStart) const;

    const Sheet& sheet_;
    io::PrintSettings settings_;
    CellRange area_;
    QSizeF paperMm_;
    QSizeF headings_;  // the room the row and column headings take, when printed
    double scale_ = 1.0;
    std::vector<CellRange> pages_;
};

}  // namespace spreadsheet::print
