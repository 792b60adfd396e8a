#pragma once

#include <QByteArray>

#include <optional>
#include <string>
#include <string_view>

namespace spreadsheet::io {

class XlsxPackageScan;

// The package liborcus reads for the formats, line sizes, merges and views.
// The scan has read every cell already, with the format it names, and
// liborcus spends several thousand instructions on each cell it meets, on
// one core: its copy of the sheets keeps their rows but not their cells.
// Its workbook relations also name the sheets relatively (see
// XlsxRelativeTargets).
class XlsxFormattingPackage {
public:
    // The package itself when it cannot be copied: liborcus then reads the
    // cells too, more slowly, to the same effect.
    static QByteArray make(const QByteArray& bytes, const XlsxPackageScan& scan);
    // A sheet part without its cells; nothing for a part where a "<row" may
    // stand in a comment, character data or a processing instruction.
    static std::optional<std::string> withoutCells(std::string_view part);
};

}  // namespace spreadsheet::io
