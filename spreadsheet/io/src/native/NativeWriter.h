#pragma once

class QIODevice;

namespace spreadsheet {
class Workbook;
}

namespace spreadsheet::io {

// Writes the native workbook block: compressed, unless the workbook was read
// from a file of the plain version and is saved unchanged, which keeps that
// version. The output depends only on the workbook, so loading a file and
// saving it again gives the same bytes.
class NativeWriter {
public:
    static void write(const Workbook& workbook, QIODevice& device);
};

}  // namespace spreadsheet::io
