#pragma once

#include <QByteArray>

namespace spreadsheet::io {

class ImportSink;

// Excel 2007+ workbooks (Office Open XML), read with liborcus.
class XlsxReader {
public:
    // A zip whose first entry is a part of an Office package: cheap enough
    // for the first bytes of a file, and true for other Office documents
    // too, which read() then refuses.
    static bool looksLikeXlsx(const QByteArray& head);
    // Throws FileFormatError when the bytes are not a readable workbook.
    static void read(const QByteArray& bytes, ImportSink& sink);
};

}  // namespace spreadsheet::io
