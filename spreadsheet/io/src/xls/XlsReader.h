#pragma once

#include <QByteArray>

namespace spreadsheet::io {

class ImportSink;

// Reads Excel 5.0-2003 workbooks (.xls: BIFF5 or BIFF8 records in an OLE2
// compound document) into an import sink.
class XlsReader {
public:
    // True when the bytes start with the OLE2 signature.
    static bool looksLikeXls(const QByteArray& head);
    // Throws FileFormatError for a file that cannot be read or a password-
    // protected one; damage read around goes to the sink as warnings.
    static void read(const QByteArray& bytes, ImportSink& sink);
    // The same from the bare workbook stream, without its container: for
    // tests and fuzzing of the record reader.
    static void readStream(const QByteArray& stream, ImportSink& sink);
};

}  // namespace spreadsheet::io
