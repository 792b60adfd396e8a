#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace spreadsheet::io {

// The compression of the contents of a workbook block.
class BlockCodec {
public:
    // Contents of more than this are refused before anything is allocated.
    static constexpr qint64 kMaxSize = qint64(1) << 31;

    static QByteArray compress(QByteArrayView plain);
    // The contents that `packed` holds, which must be exactly `size` bytes;
    // anything else, or a size that so many packed bytes cannot stand for,
    // is a FileFormatError.
    static QByteArray decompress(const QByteArray& packed, qint64 size);
};

}  // namespace spreadsheet::io
