#pragma once

#include <spreadsheet/io/WorkbookFile.h>

#include <QByteArray>

#include <span>

namespace spreadsheet::io {

class ImportSink;

// The readers of foreign formats, each recognised by the first bytes of a
// file. A new format is one more row.
struct FormatReader {
    FileFormat format;
    bool (*recognizes)(const QByteArray& head);
    void (*read)(const QByteArray& bytes, ImportSink& sink);
};

std::span<const FormatReader> foreignReaders();

}  // namespace spreadsheet::io
