#include "DeflatePieces.h"

#include <spreadsheet/SpreadsheetError.h>

#include <zlib.h>

#include <memory>
#include <thread>

namespace spreadsheet::io {

namespace {

// zlib's fastest level: a report is written once and opened a few times,
// and its sheet part compresses well at any level.
constexpr int kLevel = 1;
constexpr int kRawWindowBits = -15;
constexpr int kMemLevel = 8;

[[noreturn]] void failed()
{
    throw SpreadsheetError(QStringLiteral("Não foi possível compactar o arquivo do Excel: memória insuficiente."));
}

struct StreamEnd {
    void operator()(z_stream* stream) const { deflateEnd(stream); }
};

std::size_t inFlight()
{
    return std::max(2u, std::thread::hardware_concurrency());
}

}  // namespace

DeflatePieces::Piece DeflatePieces::deflate(const std::string& text, bool last)
{
    z_stream stream{};
    if (deflateInit2(&stream, kLevel, Z_DEFLATED, kRawWindowBits, kMemLevel, Z_DEFAULT_STRATEGY) != Z_OK)
        failed();
    const std::unique_ptr<z_stream, StreamEnd> owner(&stream);
    Piece piece;
    piece.size = text.size();
    // The bound covers the flush marker too; a piece is at most a few
    // megabytes, far below what zlib's 32-bit counters hold.
    piece.deflated.resize(deflateBound(&stream, static_cast<uLong>(text.size())) + 16);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    stream.avail_in = static_cast<uInt>(text.size());
    stream.next_out = reinterpret_cast<Bytef*>(piece.deflated.data());
    stream.avail_out = static_cast<uInt>(piece.deflated.size());
    const int result = ::deflate(&stream, last ? Z_FINISH : Z_SYNC_FLUSH);
    if (result != (last ? Z_STREAM_END : Z_OK) || stream.avail_in != 0)
        failed();
    piece.deflated.resize(stream.total_out);
    piece.crc = static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(text.data()), static_cast<uInt>(text.size())));
    return piece;
}

std::uint32_t DeflatePieces::crc(const std::vector<Piece>& pieces)
{
    uLong crc = crc32(0, nullptr, 0);
    for (const Piece& piece : pieces)
        crc = crc32_combine64(crc, piece.crc, static_cast<z_off64_t>(piece.size));
    return static_cast<std::uint32_t>(crc);
}

std::uint64_t DeflatePieces::size(const std::vector<Piece>& pieces)
{
    std::uint64_t total = 0;
    for (const Piece& piece : pieces)
        total += piece.size;
    return total;
}

void DeflatePieces::add(std::string text)
{
    running_.push_back(std::async(std::launch::async, [text = std::move(text)] { return deflate(text, false); }));
    // Only a few pieces wait at a time, so the text held stays small.
    while (running_.size() > inFlight()) {
        done_.push_back(running_.front().get());
        running_.pop_front();
    }
}

std::vector<DeflatePieces::Piece> DeflatePieces::take()
{
    while (!running_.empty()) {
        done_.push_back(running_.front().get());
        running_.pop_front();
    }
    return std::move(done_);
}

}  // namespace spreadsheet::io
