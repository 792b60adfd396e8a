#pragma once

// Builds small .xls files byte by byte for the reader's tests: BIFF8 records
// in a compound document written here, so that a test can hold exactly the
// records (or the damage) it is about.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstring>
#include <vector>

namespace xlstest {

inline QByteArray u8(int v)
{
    return QByteArray(1, static_cast<char>(v & 0xFF));
}

inline QByteArray u16(int v)
{
    return u8(v) + u8(v >> 8);
}

inline QByteArray u32(std::uint32_t v)
{
    return u16(static_cast<int>(v & 0xFFFF)) + u16(static_cast<int>(v >> 16));
}

inline QByteArray f64(double v)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof v);
    return u32(static_cast<std::uint32_t>(bits)) + u32(static_cast<std::uint32_t>(bits >> 32));
}

inline QByteArray record(int type, const QByteArray& body)
{
    return u16(type) + u16(static_cast<int>(body.size())) + body;
}

// Characters of a string, one byte each when every one fits.
inline QByteArray chars(const QString& s, bool twoBytes)
{
    QByteArray out;
    for (QChar c : s) {
        out += twoBytes ? u16(c.unicode()) : u8(c.unicode());
    }
    return out;
}

inline bool needsTwoBytes(const QString& s)
{
    for (QChar c : s) {
        if (c.unicode() > 0xFF) {
            return true;
        }
    }
    return false;
}

inline QByteArray string8(const QString& s)
{
    const bool wide = needsTwoBytes(s);
    return u8(static_cast<int>(s.size())) + u8(wide ? 1 : 0) + chars(s, wide);
}

inline QByteArray string16(const QString& s)
{
    const bool wide = needsTwoBytes(s);
    return u16(static_cast<int>(s.size())) + u8(wide ? 1 : 0) + chars(s, wide);
}

inline QByteArray cell(int row, int column, int xf)
{
    return u16(row) + u16(column) + u16(xf);
}

// A FORMULA record with a number result.
inline QByteArray formula(int row, int column, const QByteArray& tokens, double cached, int xf = 0, int flags = 0)
{
    return record(0x0006, cell(row, column, xf) + f64(cached) + u16(flags) + u32(0) + u16(static_cast<int>(tokens.size()))
                              + tokens);
}

// A FORMULA record whose text result follows in a STRING record.
inline QByteArray textFormula(int row, int column, const QByteArray& tokens, const QString& cached)
{
    const QByteArray result = u8(0) + u8(0) + u8(0) + u8(0) + u8(0) + u8(0) + u16(0xFFFF);
    return record(0x0006, cell(row, column, 0) + result + u16(0) + u32(0) + u16(static_cast<int>(tokens.size())) + tokens)
           + record(0x0207, string16(cached));
}

inline QByteArray number(int row, int column, double value, int xf = 0)
{
    return record(0x0203, cell(row, column, xf) + f64(value));
}

// FONT: height in twips, italic, weight, name.
inline QByteArray font(int twips, const QString& name, bool bold = false)
{
    return record(0x0031, u16(twips) + u16(0) + u16(0x7FFF) + u16(bold ? 700 : 400) + u16(0) + u8(0) + u8(0) + u8(0)
                              + u8(0) + string8(name));
}

// XF: font, number format, left/right/top/bottom line styles, alignment.
inline QByteArray xf(int font, int format, int left = 0, int right = 0, int top = 0, int bottom = 0, int align = 0,
                     bool locked = true)
{
    const std::uint32_t borders = static_cast<std::uint32_t>(left | (right << 4) | (top << 8) | (bottom << 12));
    return record(0x00E0, u16(font) + u16(format) + u16(locked ? 1 : 0) + u8(align) + u8(0) + u8(0) + u8(0)
                              + u32(borders) + u32(0) + u16(0));
}

struct BiffSheet {
    QString name;
    QByteArray records;  // between the sheet's BOF and EOF
    int type = 0;        // 0 worksheet, 2 chart
};

// A BIFF8 workbook stream: globals (BOF, the given records, BOUNDSHEETs,
// EOF) and then each sheet.
class BiffBook {
public:
    QByteArray globals;  // records before the BOUNDSHEETs
    QByteArray globalsAfterSheets;  // records after them (SUPBOOK, NAME, SST...)
    std::vector<BiffSheet> sheets;
    int version = 0x0600;

    QByteArray stream() const
    {
        const QByteArray bof = record(0x0809, u16(version) + u16(0x0005) + u16(0) + u16(0) + u32(0) + u32(0));
        QByteArray head = bof + globals;
        std::vector<int> patchAt;
        for (const BiffSheet& s : sheets) {
            patchAt.push_back(static_cast<int>(head.size()) + 4);
            head += record(0x0085, u32(0) + u8(0) + u8(s.type) + string8(s.name));
        }
        head += globalsAfterSheets + record(0x000A, {});
        QByteArray out = head;
        for (std::size_t i = 0; i < sheets.size(); ++i) {
            const QByteArray offset = u32(static_cast<std::uint32_t>(out.size()));
            out.replace(patchAt[i], 4, offset);
            const int part = sheets[i].type == 2 ? 0x0020 : 0x0010;
            out += record(0x0809, u16(0x0600) + u16(part) + u16(0) + u16(0) + u32(0) + u32(0)) + sheets[i].records
                   + record(0x000A, {});
        }
        return out;
    }
};

// Streams under 4096 bytes would live in the mini stream, which this writer
// does not make: such a stream is padded with a record nobody reads.
inline QByteArray padded(QByteArray stream)
{
    while (stream.size() < 4096) {
        const int filler = std::min(4096 - static_cast<int>(stream.size()), 8000);
        stream += record(0x00EB, QByteArray(std::max(filler - 4, 0), '\0'));
    }
    return stream;
}

// A version 3 compound document (512-byte sectors) with one stream. Sector
// 0 holds the allocation table, sector 1 the directory, the stream follows.
// `chain` may replace the stream's sector chain to damage it.
inline QByteArray compoundFile(const QByteArray& stream, const QString& name = QStringLiteral("Workbook"),
                               std::vector<std::uint32_t> chain = {})
{
    constexpr std::uint32_t kEnd = 0xFFFFFFFE;
    constexpr std::uint32_t kFree = 0xFFFFFFFF;
    constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
    const int sectors = static_cast<int>((stream.size() + 511) / 512);
    if (chain.empty()) {
        for (int i = 0; i < sectors; ++i) {
            chain.push_back(i + 1 < sectors ? static_cast<std::uint32_t>(i + 3) : kEnd);
        }
    }
    QByteArray header;
    header += QByteArray::fromHex("D0CF11E0A1B11AE1") + QByteArray(16, '\0');
    header += u16(0x003E) + u16(0x0003) + u16(0xFFFE) + u16(9) + u16(6) + QByteArray(6, '\0');
    header += u32(0) + u32(1) + u32(1) + u32(0) + u32(4096) + u32(kEnd) + u32(0) + u32(kEnd) + u32(0);
    header += u32(0);
    while (header.size() < 512) {
        header += u32(kFree);
    }
    QByteArray fat = u32(kFatSector) + u32(kEnd);
    for (std::uint32_t next : chain) {
        fat += u32(next);
    }
    while (fat.size() < 512) {
        fat += u32(kFree);
    }
    const auto entry = [](const QString& entryName, int type, std::uint32_t child, std::uint32_t start,
                          std::uint32_t size) {
        QByteArray e = chars(entryName, true);
        e += u16(0);
        e.resize(64, '\0');
        e += u16(entryName.isEmpty() ? 0 : static_cast<int>((entryName.size() + 1) * 2)) + u8(type) + u8(1);
        e += u32(0xFFFFFFFF) + u32(0xFFFFFFFF) + u32(child) + QByteArray(16, '\0') + u32(0) + QByteArray(16, '\0');
        e += u32(start) + u32(size) + u32(0);
        return e;
    };
    QByteArray directory = entry(QStringLiteral("Root Entry"), 5, 1, kEnd, 0)
                           + entry(name, 2, 0xFFFFFFFF, 2, static_cast<std::uint32_t>(stream.size()));
    while (directory.size() < 512) {
        directory += entry(QString(), 0, 0xFFFFFFFF, 0, 0);
    }
    QByteArray body = stream;
    body.resize(static_cast<qsizetype>(sectors) * 512, '\0');
    return header + fat + directory + body;
}

inline QByteArray xlsFile(const BiffBook& workbook)
{
    return compoundFile(padded(workbook.stream()));
}

}  // namespace xlstest
