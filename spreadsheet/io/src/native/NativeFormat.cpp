#include "NativeFormat.h"

namespace spreadsheet::io {

bool NativeFormat::looksNative(const QByteArray& head)
{
    // An array of the items of either version whose first item is the magic text.
    const QByteArray magic = char(0x60 | kMagic.size()) + QByteArray(kMagic.data(), kMagic.size());
    return head.mid(1).startsWith(magic)
           && (head.front() == char(0x80 | kTopItems) || head.front() == char(0x80 | kCompressedTopItems));
}

}  // namespace spreadsheet::io
