#pragma once

#include "BiffRecord.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace spreadsheet::io::xls {

// Walks the records of a workbook stream: a 16-bit type and a 16-bit length
// before each body. A body that would run past the stream is an error, and
// so is reading more records than the stream can hold: sheets whose records
// overlap cannot make the reading take longer than one pass.
class BiffRecordStream {
public:
    explicit BiffRecordStream(std::span<const std::uint8_t> stream)
        : stream_(stream), budget_(stream.size() / kHeaderSize + 1)
    {
    }

    std::size_t size() const { return stream_.size(); }
    void seek(std::size_t offset);
    // False at the end of the stream.
    bool next(BiffRecord& record);

private:
    static constexpr std::size_t kHeaderSize = 4;
    struct Header {
        std::uint16_t type;
        std::size_t length;
    };
    void spend();
    std::uint16_t typeAt(std::size_t offset) const;
    Header headerAt(std::size_t offset) const;

    std::span<const std::uint8_t> stream_;
    std::size_t pos_ = 0;
    std::vector<std::uint8_t> joined_;
    std::size_t budget_;
};

}  // namespace spreadsheet::io::xls
