#pragma once

#include <spreadsheet/print/PageLayout.h>
#include <spreadsheet/render/CellFonts.h>
#include <spreadsheet/render/GridGeometry.h>

#include <QDateTime>
#include <QString>

class QPainter;

namespace spreadsheet::print {

// What the fields of a header or footer stand for on one page.
struct PageFields {
    int number = 1;  // as printed, the first page number included
    int count = 1;
    QString sheetName;
    QString fileName;
    QDateTime printedAt;
};

// Draws a page of a layout: its cells, scaled and placed inside the margins
// (centred when asked), and the header and footer with their fields. The
// painter works in paper pixels, 96 to the inch, with the paper's corner at
// (0, 0); a page looks as the grid shows the same cells.
class PagePainter {
public:
    PagePainter(const Sheet& sheet, const PageLayout& layout);

    void paint(QPainter& painter, int page, const PageFields& fields) const;

    // The text with its fields replaced: &[Página] (&[Page]), &[Páginas]
    // (&[Pages]), &[Data] (&[Date]), &[Hora] (&[Time]), &[Guia] (&[Tab]) and
    // &[Arquivo] (&[File]); any other text stays.
    static QString withFields(const QString& text, const PageFields& fields, const io::PrintSettings& settings);
    // A page number in the chosen style: 4, iv, IV, d or D.
    static QString pageNumber(int number, io::PrintSettings::PageNumbers style);

private:
    void paintCells(QPainter& painter, const CellRange& page) const;
    void paintMarginText(QPainter& painter, const QString& text, bool header, const PageFields& fields) const;

    const Sheet& sheet_;
    const PageLayout& layout_;
    // Kept from page to page: the row and column positions are summed once
    // for the whole sheet, and each font is made once.
    mutable render::GridGeometry geometry_;
    mutable render::CellFonts fonts_;
};

}  // namespace spreadsheet::print
