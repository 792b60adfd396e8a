#include "BlockCodec.h"

#include <spreadsheet/io/FileFormatError.h>
#include <spreadsheet/SpreadsheetError.h>

#include <zstd.h>

#include <memory>

namespace spreadsheet::io {

namespace {

// The fastest level: the contents repeat so much that it already packs
// them several times over, and a save takes no longer than writing them
// plain would.
constexpr int kLevel = 1;

// A compressed block of 128 KiB repeating one byte takes four bytes, so no
// packed data stands for more than this many times its own size.
constexpr qint64 kMaxRatio = (qint64(128) << 10) / 4;

[[noreturn]] void damaged()
{
    throw FileFormatError(QStringLiteral("conteúdo compactado inválido."));
}

}  // namespace

QByteArray BlockCodec::compress(QByteArrayView plain)
{
    const std::unique_ptr<ZSTD_CCtx, decltype(&ZSTD_freeCCtx)> context(ZSTD_createCCtx(), &ZSTD_freeCCtx);
    if (!context) {
        throw SpreadsheetError(QStringLiteral("Não foi possível compactar a pasta de trabalho: sem memória."));
    }
    ZSTD_CCtx_setParameter(context.get(), ZSTD_c_compressionLevel, kLevel);
    // The frame's checksum turns any damaged byte into an error instead of
    // other contents of the right size.
    ZSTD_CCtx_setParameter(context.get(), ZSTD_c_checksumFlag, 1);
    QByteArray packed(qsizetype(ZSTD_compressBound(std::size_t(plain.size()))), Qt::Uninitialized);
    const std::size_t size = ZSTD_compress2(context.get(), packed.data(), std::size_t(packed.size()),
                                            plain.constData(), std::size_t(plain.size()));
    if (ZSTD_isError(size)) {
        throw SpreadsheetError(QStringLiteral("Não foi possível compactar a pasta de trabalho: %1")
                                   .arg(QString::fromLatin1(ZSTD_getErrorName(size))));
    }
    packed.truncate(qsizetype(size));
    return packed;
}

QByteArray BlockCodec::decompress(const QByteArray& packed, qint64 size)
{
    // The frame says its size too: both must agree before the contents get
    // their room, all at once.
    const unsigned long long declared = ZSTD_getFrameContentSize(packed.constData(), std::size_t(packed.size()));
    if (size < 0 || size > kMaxSize || size > packed.size() * kMaxRatio || declared != quint64(size)) {
        damaged();
    }
    QByteArray plain(qsizetype(size), Qt::Uninitialized);
    const std::size_t written =
        ZSTD_decompress(plain.data(), std::size_t(size), packed.constData(), std::size_t(packed.size()));
    if (ZSTD_isError(written) || written != std::size_t(size)) {
        damaged();
    }
    return plain;
}

}  // namespace spreadsheet::io
