#include "BiffRecordStream.h"

#include <spreadsheet/io/FileFormatError.h>

namespace spreadsheet::io::xls {

void BiffRecordStream::seek(std::size_t offset)
{
    if (offset >= stream_.size()) {
        throw FileFormatError(QStringLiteral("Referência a uma posição fora do fluxo da pasta de trabalho."));
    }
    pos_ = offset;
}

std::uint16_t BiffRecordStream::typeAt(std::size_t offset) const
{
    return static_cast<std::uint16_t>(stream_[offset] | (stream_[offset + 1] << 8));
}

// The caller has checked that a whole header is there.
BiffRecordStream::Header BiffRecordStream::headerAt(std::size_t offset)
{
    const std::uint8_t* p = stream_.data() + offset;
    Header header{static_cast<std::uint16_t>(p[0] | (p[1] << 8)), static_cast<std::size_t>(p[2] | (p[3] << 8))};
    const std::size_t left = stream_.size() - offset - kHeaderSize;
    if (header.length > left) {
        header.length = left;
        truncated_ = true;
    }
    return header;
}

void BiffRecordStream::spend()
{
    if (budget_ == 0) {
        throw FileFormatError(QStringLiteral("Planilhas sobrepostas no fluxo da pasta de trabalho."));
    }
    --budget_;
}

bool BiffRecordStream::next(BiffRecord& record)
{
    if (pos_ >= stream_.size()) {
        return false;
    }
    if (stream_.size() - pos_ < kHeaderSize) {
        truncated_ = true;  // a cut inside a record header
        pos_ = stream_.size();
        return false;
    }
    const Header header = headerAt(pos_);
    spend();
    record.type = header.type;
    record.offset = pos_;
    record.boundaries.clear();
    pos_ += kHeaderSize + header.length;
    record.data = stream_.subspan(record.offset + kHeaderSize, header.length);
    // Writers pad the stream's last sector with zeros: a lone partial header
    // there is padding, not a CONTINUE.
    while (stream_.size() - pos_ >= kHeaderSize && typeAt(pos_) == record::kContinue) {
        if (record.boundaries.empty()) {
            joined_.assign(record.data.begin(), record.data.end());
        }
        const Header part = headerAt(pos_);
        spend();
        record.boundaries.push_back(joined_.size());
        const auto body = stream_.subspan(pos_ + kHeaderSize, part.length);
        joined_.insert(joined_.end(), body.begin(), body.end());
        pos_ += kHeaderSize + part.length;
    }
    if (!record.boundaries.empty()) {
        record.data = joined_;
    }
    return true;
}

}  // namespace spreadsheet::io::xls
