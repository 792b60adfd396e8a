#pragma once

#include <QByteArray>
#include <QLatin1StringView>

namespace spreadsheet::io {

// The native workbook block: one CBOR array, so that it ends where its last
// item ends and another block can follow it in the same file.
//
// Version 1 holds the contents in the array itself: magic, version,
// options, styles, names, sheets. Version 2 holds magic, version, the size
// of the contents and the contents compressed: the options, styles, names
// and sheets of version 1 as one array of their own.
struct NativeFormat {
    static constexpr QLatin1StringView kMagic{"DarveloPlanilha"};
    static constexpr int kPlainVersion = 1;
    static constexpr int kCompressedVersion = 2;
    static constexpr int kVersion = kCompressedVersion;  // of new and changed workbooks
    static constexpr int kTopItems = 6;                  // version 1
    static constexpr int kCompressedTopItems = 4;        // version 2
    static constexpr int kContentItems = 4;              // options, styles, names, sheets
    // name, view, selection, rows, columns, merges, cells; and the default
    // style, after the name, on a sheet that has its own.
    static constexpr int kSheetItems = 7;
    // font name, size, flags, horizontal alignment, left and top lines,
    // number format; and, on a style that has any of them, an array of the
    // kStyleLookItems: vertical alignment, wrapping, font colour, fill
    // colour, left and top line colours.
    static constexpr int kStyleItems = 7;
    static constexpr int kStyleLookItems = 6;

    // Cell entry kinds.
    enum Kind { StyleOnly = 0, Number = 1, Text = 2, Boolean = 3, Error = 4, Formula = 5 };

    static bool looksNative(const QByteArray& head);
};

}  // namespace spreadsheet::io
