#include "BiffCursor.h"

#include <algorithm>
#include <cstring>

namespace spreadsheet::io::xls {

namespace {

constexpr std::uint8_t kTwoByteChars = 0x01;
constexpr std::uint8_t kHasPhonetic = 0x04;
constexpr std::uint8_t kHasRuns = 0x08;
constexpr std::size_t kRunSize = 4;

}  // namespace

BiffCursor::BiffCursor(std::span<const std::uint8_t> data, std::span<const std::size_t> boundaries)
    : data_(data), boundaries_(boundaries)
{
}

void BiffCursor::require(std::size_t count) const
{
    if (count > remaining()) {
        throw TruncatedRecord(QStringLiteral("Registro do arquivo mais curto que o declarado."));
    }
}

std::uint8_t BiffCursor::u8()
{
    require(1);
    return data_[pos_++];
}

std::uint16_t BiffCursor::u16()
{
    require(2);
    const auto value = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return value;
}

std::uint32_t BiffCursor::u32()
{
    const std::uint32_t low = u16();
    const std::uint32_t high = u16();
    return low | (high << 16);
}

double BiffCursor::f64()
{
    require(8);
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) {
        bits = (bits << 8) | data_[pos_ + static_cast<std::size_t>(i)];
    }
    pos_ += 8;
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void BiffCursor::skip(std::size_t count)
{
    require(count);
    pos_ += count;
}

std::span<const std::uint8_t> BiffCursor::bytes(std::size_t count)
{
    require(count);
    const auto part = data_.subspan(pos_, count);
    pos_ += count;
    return part;
}

std::size_t BiffCursor::segmentEnd() const
{
    const auto next = std::upper_bound(boundaries_.begin(), boundaries_.end(), pos_);
    return next == boundaries_.end() ? data_.size() : std::min(*next, data_.size());
}

bool BiffCursor::atBoundary() const
{
    return std::binary_search(boundaries_.begin(), boundaries_.end(), pos_);
}

QString BiffCursor::characters(std::size_t count, bool twoBytes)
{
    // Each character takes at least one byte: a count beyond the data is
    // refused before anything is allocated for it.
    require(count);
    QString text;
    text.reserve(static_cast<qsizetype>(count));
    while (count > 0) {
        // Also when the characters start right at a part: a writer that had
        // room for the header alone begins the part with the flags byte.
        if (atBoundary()) {
            twoBytes = (u8() & kTwoByteChars) != 0;
        }
        const std::size_t width = twoBytes ? 2 : 1;
        const std::size_t fit = std::min(count, (segmentEnd() - pos_) / width);
        if (fit == 0) {
            if (atBoundary()) {
                continue;  // a part that held only its flags byte
            }
            throw TruncatedRecord(QStringLiteral("Texto truncado no arquivo."));
        }
        const std::uint8_t* p = data_.data() + pos_;
        for (std::size_t i = 0; i < fit; ++i) {
            text.append(twoBytes ? QChar(static_cast<char16_t>(p[2 * i] | (p[2 * i + 1] << 8))) : QChar(p[i]));
        }
        pos_ += fit * width;
        count -= fit;
    }
    return text;
}

QString BiffCursor::string8()
{
    const std::size_t count = u8();
    const bool twoBytes = (u8() & kTwoByteChars) != 0;
    return characters(count, twoBytes);
}

QString BiffCursor::string16()
{
    const std::size_t count = u16();
    const bool twoBytes = (u8() & kTwoByteChars) != 0;
    return characters(count, twoBytes);
}

QString BiffCursor::richString()
{
    const std::size_t count = u16();
    const std::uint8_t flags = u8();
    const std::size_t runs = (flags & kHasRuns) ? u16() : 0;
    const std::size_t phonetic = (flags & kHasPhonetic) ? u32() : 0;
    QString text = characters(count, (flags & kTwoByteChars) != 0);
    skip(runs * kRunSize);
    skip(phonetic);
    return text;
}

}  // namespace spreadsheet::io::xls
