#include "ZipDirectory.h"

#include <spreadsheet/io/FileFormatError.h>

#include <QtEndian>

#include <algorithm>

namespace spreadsheet::io {

namespace {

constexpr quint32 kEndSignature = 0x06054b50;
constexpr quint32 kEntrySignature = 0x02014b50;
constexpr quint32 kLocalSignature = 0x04034b50;
constexpr qsizetype kLocalSize = 30;
constexpr qsizetype kEndSize = 22;
constexpr qsizetype kEntrySize = 46;
constexpr qsizetype kMaxCommentSize = 0xFFFF;

template <typename T>
T at(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

[[noreturn]] void damaged()
{
    throw FileFormatError(QStringLiteral("O arquivo xlsx está truncado ou danificado (o índice do zip não foi encontrado)."));
}

// The end record is the last 22 bytes unless the archive has a comment.
qsizetype findEnd(const QByteArray& bytes)
{
    const qsizetype lowest = std::max<qsizetype>(0, bytes.size() - kEndSize - kMaxCommentSize);
    for (qsizetype offset = bytes.size() - kEndSize; offset >= lowest; --offset) {
        if (at<quint32>(bytes, offset) == kEndSignature) {
            return offset;
        }
    }
    damaged();
}

void checkSize(std::uint64_t size)
{
    if (size > ZipDirectory::kMaxPartBytes) {
        throw FileFormatError(QStringLiteral("O arquivo xlsx tem uma parte de %1 MiB descompactada; o limite é %2 MiB.")
                                  .arg(QString::number(size >> 20), QString::number(ZipDirectory::kMaxPartBytes >> 20)));
    }
}

// The inflater reads the sizes of the entry's own header as well as the
// directory's, so both must be sane.
void checkLocalHeader(const QByteArray& bytes, qsizetype offset, qsizetype directory)
{
    if (offset + kLocalSize > directory || at<quint32>(bytes, offset) != kLocalSignature) {
        damaged();
    }
    const std::uint64_t compressed = at<quint32>(bytes, offset + 18);
    if (compressed > static_cast<std::uint64_t>(directory)) {
        damaged();
    }
    checkSize(at<quint32>(bytes, offset + 22));
}

QString mebibytes(std::uint64_t bytes)
{
    return QString::number(bytes >> 20);
}

}  // namespace

ZipDirectory::Entries ZipDirectory::check(const QByteArray& bytes)
{
    if (bytes.size() < kEndSize) {
        damaged();
    }
    const qsizetype end = findEnd(bytes);
    const quint16 entries = at<quint16>(bytes, end + 10);
    const qsizetype directory = at<quint32>(bytes, end + 16);
    if (entries > kMaxEntries || directory > end) {
        damaged();
    }
    std::uint64_t total = 0;
    Entries parts;
    qsizetype offset = directory;
    for (quint16 i = 0; i < entries; ++i) {
        if (offset + kEntrySize > end || at<quint32>(bytes, offset) != kEntrySignature) {
            damaged();
        }
        const std::uint64_t size = at<quint32>(bytes, offset + 24);
        checkSize(size);
        if (at<quint32>(bytes, offset + 20) > static_cast<std::uint64_t>(directory)) {
            damaged();
        }
        checkLocalHeader(bytes, at<quint32>(bytes, offset + 42), directory);
        total += size;
        const quint16 nameSize = at<quint16>(bytes, offset + 28);
        if (offset + kEntrySize + nameSize > end) {
            damaged();
        }
        parts.emplace(std::string(bytes.constData() + offset + kEntrySize, nameSize), Entry{at<quint32>(bytes, offset + 16), size});
        offset += kEntrySize + nameSize + at<quint16>(bytes, offset + 30) + at<quint16>(bytes, offset + 32);
    }
    if (total > kMaxPackageBytes) {
        throw FileFormatError(QStringLiteral("O arquivo xlsx tem %1 MiB descompactados; o limite é %2 MiB.")
                                  .arg(mebibytes(total), mebibytes(kMaxPackageBytes)));
    }
    return parts;
}

}  // namespace spreadsheet::io
