#pragma once

class QIODevice;

namespace spreadsheet::io {

class ImportSink;

// Reads the native workbook block and leaves the device exactly at its end.
// Every declared length is checked against what the file can hold, so a
// damaged or hostile file fails with FileFormatError instead of allocating.
class NativeReader {
public:
    // Returns the version of the block.
    static int read(QIODevice& device, ImportSink& sink);
};

}  // namespace spreadsheet::io
