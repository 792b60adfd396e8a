#pragma once

#include "BiffCursor.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace spreadsheet::io::xls {

// Record types this reader acts on.
namespace record {
constexpr std::uint16_t kFormula = 0x0006;
constexpr std::uint16_t kEof = 0x000A;
constexpr std::uint16_t kExternSheet = 0x0017;
constexpr std::uint16_t kName = 0x0018;
constexpr std::uint16_t kDateMode = 0x0022;
constexpr std::uint16_t kExternName = 0x0023;
constexpr std::uint16_t kFilePass = 0x002F;
constexpr std::uint16_t kFont = 0x0031;
constexpr std::uint16_t kContinue = 0x003C;
constexpr std::uint16_t kWindow1 = 0x003D;
constexpr std::uint16_t kColInfo = 0x007D;
constexpr std::uint16_t kBoundSheet = 0x0085;
constexpr std::uint16_t kPalette = 0x0092;
constexpr std::uint16_t kMulRk = 0x00BD;
constexpr std::uint16_t kMulBlank = 0x00BE;
constexpr std::uint16_t kRString = 0x00D6;
constexpr std::uint16_t kXf = 0x00E0;
constexpr std::uint16_t kMergedCells = 0x00E5;
constexpr std::uint16_t kSst = 0x00FC;
constexpr std::uint16_t kLabelSst = 0x00FD;
constexpr std::uint16_t kSupBook = 0x01AE;
constexpr std::uint16_t kBlank = 0x0201;
constexpr std::uint16_t kNumber = 0x0203;
constexpr std::uint16_t kLabel = 0x0204;
constexpr std::uint16_t kBoolErr = 0x0205;
constexpr std::uint16_t kString = 0x0207;
constexpr std::uint16_t kRow = 0x0208;
constexpr std::uint16_t kArray = 0x0221;
constexpr std::uint16_t kDefaultRowHeight = 0x0225;
constexpr std::uint16_t kRk = 0x027E;
constexpr std::uint16_t kFormat = 0x041E;
constexpr std::uint16_t kSharedFormula = 0x04BC;
constexpr std::uint16_t kBof = 0x0809;
}  // namespace record

// One record with the CONTINUE records that follow it joined to its data.
// The data stays valid until the stream reads the next record.
struct BiffRecord {
    std::uint16_t type = 0;
    std::size_t offset = 0;  // of the record header in the stream
    std::span<const std::uint8_t> data;
    std::vector<std::size_t> boundaries;  // where each CONTINUE part begins in data

    BiffCursor cursor() const { return BiffCursor(data, boundaries); }
};

}  // namespace spreadsheet::io::xls
