#pragma once

#include <cstdint>
#include <deque>
#include <future>
#include <string>
#include <vector>

namespace spreadsheet::io {

// A zip part compressed in pieces, each a raw deflate stream of its own
// flushed to a byte boundary, so that the pieces joined in order are one
// valid stream. Each piece is compressed on a thread of its own while the
// caller makes the next: the compression is most of the cost of writing a
// large sheet.
class DeflatePieces {
public:
    struct Piece {
        std::string deflated;
        std::uint32_t crc = 0;
        std::uint64_t size = 0;  // of the text before compression
    };

    // Compresses a piece of text; `last` ends the stream.
    static Piece deflate(const std::string& text, bool last);
    // The checksum and size of pieces joined in order.
    static std::uint32_t crc(const std::vector<Piece>& pieces);
    static std::uint64_t size(const std::vector<Piece>& pieces);

    // Starts compressing the next piece; never the last one.
    void add(std::string text);
    // The pieces added, in order, once all are compressed. Rethrows what
    // compressing one threw.
    std::vector<Piece> take();

private:
    std::vector<Piece> done_;
    std::deque<std::future<Piece>> running_;
};

}  // namespace spreadsheet::io
