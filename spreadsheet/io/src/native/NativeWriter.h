#pragma once

class QIODevice;

namespace spreadsheet {
class Workbook;
}

namespace spreadsheet::io {

// Writes the native workbook block, streaming: nothing of the file is held
// in memory. The output depends only on the workbook, so loading a file and
// saving it again gives the same bytes.
class NativeWriter {
public:
    static void write(const Workbook& workbook, QIODevice& device);
};

}  // namespace spreadsheet::io
