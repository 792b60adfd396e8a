#include "BiffText.h"

#include "BiffCursor.h"

#include <QStringDecoder>

#include <array>

namespace spreadsheet::io::xls {

namespace {

constexpr int kUtf16CodePage = 1200;
constexpr std::uint8_t kTwoByteChars = 0x01;

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; the holes keep
// their Latin-1 control characters.
constexpr std::array<char16_t, 32> kWindows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromWindows1252(std::span<const std::uint8_t> bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const std::uint8_t b : bytes) {
        text.append(b >= 0x80 && b < 0xA0 ? QChar(kWindows1252High[b - 0x80]) : QChar(b));
    }
    return text;
}

QString fromUtf16(std::span<const std::uint8_t> bytes)
{
    QString text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        text.append(QChar(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8))));
    }
    return text;
}

// Writers that give an Excel 95 file the UTF-16 code page store plain ASCII
// strings as bytes and all others as two-byte characters; the byte count
// comes first either way. ASCII text holds no zero and no high byte.
bool looksLikeUtf16(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() % 2 != 0) {
        return false;
    }
    for (const std::uint8_t b : bytes) {
        if (b == 0 || b >= 0x80) {
            return true;
        }
    }
    return false;
}

QString fromCodePage(int codePage, std::span<const std::uint8_t> bytes)
{
    // Other code pages go through Qt's converters where it has them.
    QStringDecoder decoder(QStringLiteral("windows-%1").arg(codePage).toLatin1().constData());
    if (!decoder.isValid()) {
        decoder = QStringDecoder(QStringLiteral("IBM%1").arg(codePage).toLatin1().constData());
    }
    if (!decoder.isValid()) {
        return fromWindows1252(bytes);
    }
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

}  // namespace

QString BiffText::decode(std::span<const std::uint8_t> bytes) const
{
    if (codePage_ == kUtf16CodePage) {
        return looksLikeUtf16(bytes) ? fromUtf16(bytes) : fromWindows1252(bytes);
    }
    if (codePage_ == kDefaultCodePage) {
        return fromWindows1252(bytes);
    }
    return fromCodePage(codePage_, bytes);
}

QString BiffText::shortString(BiffCursor& cursor) const
{
    if (biff8_) {
        return cursor.string8();
    }
    const std::size_t length = cursor.u8();
    return decode(cursor.bytes(length));
}

QString BiffText::longString(BiffCursor& cursor) const
{
    if (biff8_) {
        return cursor.string16();
    }
    const std::size_t length = cursor.u16();
    return decode(cursor.bytes(length));
}

QString BiffText::characters(BiffCursor& cursor, std::size_t count) const
{
    if (biff8_) {
        const bool twoBytes = (cursor.u8() & kTwoByteChars) != 0;
        return cursor.characters(count, twoBytes);
    }
    return decode(cursor.bytes(count));
}

}  // namespace spreadsheet::io::xls
