#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spreadsheet::io {

// A sheet part cut so that its rows can be parsed on every core: the part
// with its rows taken out, and the rows in pieces of whole rows, each made
// a document of its own inside the sheet's own data element. Parsing the
// outer text and then the pieces in order meets every element in the
// order of the part.
//
// Nothing is cut from a part whose rows hold comments, character data or
// processing instructions (a "<row" in them would be taken for a row), nor
// from one whose data element carries attributes.
class XlsxSheetPieces {
public:
    // The part's text, ending in liborcus's null byte, cut into at most
    // `count` pieces of rows; nothing when it cannot be cut, or when it has
    // fewer rows than pieces.
    static std::optional<XlsxSheetPieces> cut(std::string_view part, std::size_t count);

    // The part without its rows, ending in a null byte like the part.
    std::string_view outer() const { return {outer_.c_str(), outer_.size() + 1}; }
    std::size_t count() const { return pieces_.size(); }
    // Piece `i` as a document, ending in a null byte.
    std::string_view piece(std::size_t i) const { return {pieces_[i].c_str(), pieces_[i].size() + 1}; }

private:
    std::string outer_;
    std::vector<std::string> pieces_;
};

}  // namespace spreadsheet::io
