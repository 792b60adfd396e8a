#include <spreadsheet/io/PrintSettings.h>

#include "native/CborInput.h"

#include <spreadsheet/io/FileFormatError.h>

#include <QCborStreamWriter>
#include <QIODevice>

namespace spreadsheet::io {

namespace {

constexpr QLatin1StringView kMagic{"DarveloImpressao"};
constexpr int kVersion = 1;
constexpr int kItems = 27;

}  // namespace

void PrintSettings::write(QIODevice& device) const
{
    QCborStreamWriter w(&device);
    w.startArray(kItems);
    w.append(kMagic);
    w.append(qint64(kVersion));
    w.append(qint64(paperCode));
    w.append(paperWidthMm);
    w.append(paperHeightMm);
    w.append(landscape);
    w.append(marginLeftMm);
    w.append(marginTopMm);
    w.append(marginRightMm);
    w.append(marginBottomMm);
    w.append(headerMm);
    w.append(footerMm);
    w.append(headerText);
    w.append(footerText);
    w.append(printArea);
    w.append(qint64(pageNumbers));
    w.append(qint64(firstPageNumber));
    w.append(greyShading);
    w.append(printGridLines);
    w.append(printHeadings);
    w.append(centerHorizontally);
    w.append(centerVertically);
    w.append(qint64(scalePercent));
    w.append(qint64(fitPagesWide));
    w.append(qint64(fitPagesTall));
    w.append(qint64(copies));
    w.startArray(2);
    w.append(dateFormat);
    w.append(timeFormat);
    w.endArray();
    w.endArray();
}

bool PrintSettings::read(QIODevice& device, PrintSettings& out)
{
    if (device.atEnd()) {
        return false;
    }
    // Read into a copy: a block that fails half-way changes nothing.
    PrintSettings s;
    try {
        CborInput in(device);
        in.enterArray(kItems, kItems);
        if (in.text() != kMagic || in.integer(0, 1000) != kVersion) {
            return false;
        }
        s.paperCode = int(in.integer(0, 1000));
        s.paperWidthMm = in.number();
        s.paperHeightMm = in.number();
        s.landscape = in.boolean();
        s.marginLeftMm = in.number();
        s.marginTopMm = in.number();
        s.marginRightMm = in.number();
        s.marginBottomMm = in.number();
        s.headerMm = in.number();
        s.footerMm = in.number();
        s.headerText = in.text();
        s.footerText = in.text();
        s.printArea = in.text();
        s.pageNumbers = static_cast<PageNumbers>(in.integer(0, 4));
        s.firstPageNumber = int(in.integer(0, 1 << 20));
        s.greyShading = in.boolean();
        s.printGridLines = in.boolean();
        s.printHeadings = in.boolean();
        s.centerHorizontally = in.boolean();
        s.centerVertically = in.boolean();
        s.scalePercent = int(in.integer(1, 1000));
        s.fitPagesWide = int(in.integer(0, 1000));
        s.fitPagesTall = int(in.integer(0, 1000));
        s.copies = int(in.integer(1, 1000));
        in.enterArray(2, 2);
        s.dateFormat = in.text();
        s.timeFormat = in.text();
        in.leaveArray();
        in.leaveArray();
        device.seek(in.offset());
    } catch (const FileFormatError&) {
        return false;
    }
    out = s;
    return true;
}

}  // namespace spreadsheet::io
