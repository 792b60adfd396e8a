#pragma once

#include <spreadsheet/io/FileFormatError.h>

#include <QString>

#include <cstddef>
#include <cstdint>
#include <span>

namespace spreadsheet::io::xls {

// A record whose fields run past its data: the readers skip such a record
// and go on, where other damage stops the reading.
class TruncatedRecord : public FileFormatError {
public:
    using FileFormatError::FileFormatError;
};

// Reads little-endian fields from one record's data, CONTINUE parts included.
// Every read is bounds-checked: running past the data throws TruncatedRecord,
// so a declared length can never make the reader look outside the record.
class BiffCursor {
public:
    // `boundaries` are the offsets where each CONTINUE part begins, ascending.
    explicit BiffCursor(std::span<const std::uint8_t> data, std::span<const std::size_t> boundaries = {});

    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return data_.size() - pos_; }
    bool atEnd() const { return pos_ >= data_.size(); }

    std::uint8_t u8();
    std::uint16_t u16();
    std::uint32_t u32();
    double f64();
    void skip(std::size_t count);
    std::span<const std::uint8_t> bytes(std::size_t count);

    // `count` characters, one or two bytes each. When the characters run into
    // a CONTINUE part, that part starts with a new flags byte that says how
    // wide the rest is.
    QString characters(std::size_t count, bool twoBytes);
    QString string8();   // 8-bit length, flags byte, characters
    QString string16();  // 16-bit length, flags byte, characters
    // A string of the shared string table: formatting runs and phonetic data
    // after the characters are skipped.
    QString richString();

private:
    void require(std::size_t count) const;
    std::size_t segmentEnd() const;
    bool atBoundary() const;

    std::span<const std::uint8_t> data_;
    std::span<const std::size_t> boundaries_;
    std::size_t pos_ = 0;
};

}  // namespace spreadsheet::io::xls
