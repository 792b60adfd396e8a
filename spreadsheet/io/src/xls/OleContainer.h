#pragma once

#include <QByteArray>

namespace spreadsheet::io::xls {

// The compound document (OLE2) that wraps an Excel 5.0-2003 workbook.
class OleContainer {
public:
    static bool hasSignature(const QByteArray& head);
    // The bytes of the "Workbook" stream, or else of the "Book" one. Throws
    // FileFormatError when the container is damaged or holds neither; an
    // encrypted package is refused with its own message.
    static QByteArray workbookStream(const QByteArray& file);
};

}  // namespace spreadsheet::io::xls
