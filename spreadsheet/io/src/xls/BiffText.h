#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <span>

namespace spreadsheet::io::xls {

class BiffCursor;

// How a workbook stores its text. Excel 97 and later (BIFF8) mark each
// string as one- or two-byte characters; Excel 5.0/95 (BIFF5) stores bytes
// in the code page its CODEPAGE record names.
class BiffText {
public:
    static constexpr int kDefaultCodePage = 1252;

    BiffText() = default;
    BiffText(bool biff8, int codePage) : biff8_(biff8), codePage_(codePage) {}

    bool isBiff8() const { return biff8_; }
    // 8-bit length, then the characters.
    QString shortString(BiffCursor& cursor) const;
    // 16-bit length, then the characters.
    QString longString(BiffCursor& cursor) const;
    // `count` characters whose length came before, as in a NAME record.
    QString characters(BiffCursor& cursor, std::size_t count) const;
    QString decode(std::span<const std::uint8_t> bytes) const;

private:
    bool biff8_ = true;
    int codePage_ = kDefaultCodePage;
};

}  // namespace spreadsheet::io::xls
