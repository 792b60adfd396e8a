#pragma once

#include "BiffRecord.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace spreadsheet::io::xls {

// Walks the records of a workbook stream: a 16-bit type and a 16-bit length
// before each body. A stream cut short ends at the cut: the last body is
// kept as far as it goes (the readers skip what it lacks) and truncated()
// says so. Reading more records than the stream can hold is an error:
// sheets whose records overlap cannot make the reading take longer than one
// pass.
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
    bool truncated() const { return truncated_; }

private:
    static constexpr std::size_t kHeaderSize = 4;
    struct Header {
        std::uint16_t type;
        std::size_t length;
    };
    void spend();
    std::uint16_t typeAt(std::size_t offset) const;
    Header headerAt(std::size_t offset);

    std::span<const std::uint8_t> stream_;
    std::size_t pos_ = 0;
    std::vector<std::uint8_t> joined_;
    std::size_t budget_;
    bool truncated_ = false;
};

}  // namespace spreadsheet::io::xls
