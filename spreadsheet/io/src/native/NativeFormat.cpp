#include "NativeFormat.h"

namespace spreadsheet::io {

bool NativeFormat::looksNative(const QByteArray& head)
{
    // A six-item array whose first item is the magic text.
    const QByteArray expected = QByteArray(1, char(0x80 | kTopItems)) + char(0x60 | kMagic.size()) + QByteArray(kMagic.data(), kMagic.size());
    return head.startsWith(expected);
}

}  // namespace spreadsheet::io
