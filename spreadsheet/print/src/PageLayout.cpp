#include <spreadsheet/print/PageLayout.h>

#include <spreadsheet/Reference.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/render/GridGeometry.h>

#include <algorithm>

namespace spreadsheet::print {

namespace {

constexpr double kMinScale = 0.1;
constexpr double kMaxScale = 4.0;

}  // namespace

PageLayout::PageLayout(const Sheet& sheet, const io::PrintSettings& settings)
    : sheet_(sheet), settings_(settings)
{
    const bool turned = settings.landscape != (settings.paperWidthMm > settings.paperHeightMm);
    paperMm_ = turned ? QSizeF(settings.paperHeightMm, settings.paperWidthMm)
                      : QSizeF(settings.paperWidthMm, settings.paperHeightMm);
    area_ = printedArea();
    if (area_.right < area_.left || area_.bottom < area_.top) {
        return;
    }
    if (headings()) {
        const render::GridGeometry heads(sheet_);
        headings_ = QSizeF(heads.headerWidth(), heads.headerHeight());
    }
    scale_ = fittedScale();
    const QSizeF room = contentMm() * kPixelsPerMm / scale_;
    const std::vector<int> columns = bands(area_.left, area_.right, room.width() - headings_.width(), false);
    const std::vector<int> rows = bands(area_.top, area_.bottom, room.height() - headings_.height(), true);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const int right = c + 1 < columns.size() ? columns[c + 1] - 1 : area_.right;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const int bottom = r + 1 < rows.size() ? rows[r + 1] - 1 : area_.bottom;
            pages_.push_back({columns[c], rows[r], right, bottom});
        }
    }
}

QSizeF PageLayout::contentMm() const
{
    return {std::max(1.0, paperMm_.width() - settings_.marginLeftMm - settings_.marginRightMm),
            std::max(1.0, paperMm_.height() - settings_.marginTopMm - settings_.marginBottomMm)};
}

// A print area of another sheet does not limit this one.
CellRange PageLayout::printedArea() const
{
    ParsedReference reference;
    if (!settings_.printArea.isEmpty() && parseReference(settings_.printArea, reference)
        && (reference.sheetName.isEmpty() || reference.sheetName.compare(sheet_.name(), Qt::CaseInsensitive) == 0)) {
        return reference.range;
    }
    return {0, 0, sheet_.columnCount() - 1, sheet_.rowCount() - 1};
}

// Fitting only ever shrinks, as in other spreadsheet programs.
double PageLayout::fittedScale() const
{
    if (settings_.fitPagesWide <= 0 && settings_.fitPagesTall <= 0) {
        return std::clamp(settings_.scalePercent / 100.0, kMinScale, kMaxScale);
    }
    const QSizeF whole = pageSize(area_);
    const QSizeF room = contentMm() * kPixelsPerMm;
    double scale = 1.0;
    if (settings_.fitPagesWide > 0) {
        scale = std::min(scale, room.width() * settings_.fitPagesWide / whole.width());
    }
    if (settings_.fitPagesTall > 0) {
        scale = std::min(scale, room.height() * settings_.fitPagesTall / whole.height());
    }
    return std::max(scale, kMinScale);
}

int PageLayout::size(int index, bool rows) const
{
    if (rows) {
        return sheet_.isRowHidden(index) ? 0 : sheet_.rowHeight(index);
    }
    return sheet_.isColumnHidden(index) ? 0 : sheet_.columnWidth(index);
}

// A break inside a merged area moves up to the area's start, so that the
// area is printed whole, when that still leaves the page some cells.
int PageLayout::mergeStart(int index, bool rows, int bandStart) const
{
    int start = index;
    for (const CellRange& merge : sheet_.mergedAreas()) {
        const int first = rows ? merge.top : merge.left, last = rows ? merge.bottom : merge.right;
        if (first < index && index <= last && first > bandStart && merge.intersects(area_)) {
            start = std::min(start, first);
        }
    }
    return start;
}

std::vector<int> PageLayout::bands(int first, int last, double room, bool rows) const
{
    std::vector<int> starts{first};
    double used = 0;
    for (int i = first; i <= last; ++i) {
        const int start = starts.back();
        const int s = size(i, rows);
        const bool manual = rows && i > start && sheet_.hasPageBreak(i);
        if (manual || (i > start && used + s > room)) {
            const int next = manual ? i : mergeStart(i, rows, start);
            starts.push_back(next);
            used = 0;
            for (int j = next; j < i; ++j) {
                used += size(j, rows);
            }
        }
        used += s;
    }
    return starts;
}

QSizeF PageLayout::pageSize(const CellRange& page) const
{
    double width = 0, height = 0;
    for (int c = page.left; c <= page.right; ++c) {
        width += size(c, false);
    }
    for (int r = page.top; r <= page.bottom; ++r) {
        height += size(r, true);
    }
    return QSizeF(width, height) + headings_;
}

}  // namespace spreadsheet::print
