#pragma once

#include <QByteArray>

namespace spreadsheet::io::xls {

// The compound document (OLE2) that wraps an Excel 97-2003 workbook.
class OleContainer {
public:
    static bool hasSignature(const QByteArray& head);
    // The bytes of the "Workbook" stream. Throws FileFormatError when the
    // container is damaged or holds no such stream; an Excel 5/95 "Book"
    // stream and an encrypted package are refused with their own messages.
    static QByteArray workbookStream(const QByteArray& file);
};

}  // namespace spreadsheet::io::xls
