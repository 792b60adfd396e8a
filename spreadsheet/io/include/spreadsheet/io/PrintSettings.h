#pragma once

#include <QString>

class QIODevice;

namespace spreadsheet::io {

// How a workbook window prints: the settings that travel with the workbook
// file as its second block. The defaults are those of a new window.
struct PrintSettings {
    enum class PageNumbers { Arabic = 0, RomanLower, RomanUpper, LettersLower, LettersUpper };

    int paperCode = 9;  // A4
    double paperWidthMm = 210.0;
    double paperHeightMm = 297.0;
    bool landscape = false;
    double marginLeftMm = 12.7;
    double marginTopMm = 12.7;
    double marginRightMm = 12.7;
    double marginBottomMm = 12.7;
    double headerMm = 6.35;
    double footerMm = 6.35;
    QString headerText;
    QString footerText;
    QString printArea;  // a reference such as "Plan1!$A$1:$H$40"; empty prints everything
    PageNumbers pageNumbers = PageNumbers::Arabic;
    int firstPageNumber = 1;
    bool greyShading = true;
    bool printGridLines = false;
    bool printHeadings = false;
    bool centerHorizontally = false;
    bool centerVertically = false;
    int scalePercent = 100;
    int fitPagesWide = 0;  // 0: no fitting
    int fitPagesTall = 0;
    int copies = 1;
    QString dateFormat;  // empty: the printer's own
    QString timeFormat;

    bool operator==(const PrintSettings&) const = default;

    // The second block of a workbook file.
    void write(QIODevice& device) const;
    // Reads a block into a new object; false, leaving `out` untouched, when
    // the block is missing or damaged.
    static bool read(QIODevice& device, PrintSettings& out);
};

}  // namespace spreadsheet::io
