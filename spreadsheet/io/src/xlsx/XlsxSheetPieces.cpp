#include "XlsxSheetPieces.h"

#include <cstring>

namespace spreadsheet::io {

namespace {

constexpr std::string_view kData = "sheetData";

bool isNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-'
        || c == '.';
}

bool endsName(char c)
{
    return c == '>' || c == '/' || c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Where "<sheetData" (or "<x:sheetData") opens, and its qualified name.
std::optional<std::pair<std::size_t, std::string_view>> dataTag(std::string_view text)
{
    for (std::size_t at = text.find(kData); at != std::string_view::npos; at = text.find(kData, at + 1)) {
        const std::size_t after = at + kData.size();
        if (at == 0 || after >= text.size() || !endsName(text[after])) {
            continue;
        }
        std::size_t lt = at - 1;
        if (text[lt] == ':') {
            while (lt > 0 && isNameChar(text[lt - 1])) {
                --lt;
            }
            lt = lt > 0 && lt + 1 < at ? lt - 1 : std::string_view::npos;
        }
        if (lt != std::string_view::npos && text[lt] == '<') {
            return std::pair{lt, text.substr(lt + 1, after - lt - 1)};
        }
    }
    return std::nullopt;
}

// Whether a tag opens with `mark` ("<!" or "<?"): the mark itself is rare
// outside them, so it is looked for first.
bool hasMarkedTag(std::string_view text, char mark)
{
    for (const char* at = text.data(); (at = static_cast<const char*>(std::memchr(at, mark, text.data() + text.size() - at)));
         ++at) {
        if (at > text.data() && at[-1] == '<') {
            return true;
        }
    }
    return false;
}

// The first row that opens at or after `from`, or `end`.
std::size_t rowAt(std::string_view text, std::string_view rowOpen, std::size_t from, std::size_t end)
{
    for (std::size_t at = text.find(rowOpen, from); at < end; at = text.find(rowOpen, at + 1)) {
        const std::size_t after = at + rowOpen.size();
        if (after < end && endsName(text[after])) {
            return at;
        }
    }
    return end;
}

}  // namespace

std::optional<XlsxSheetPieces> XlsxSheetPieces::cut(std::string_view part, std::size_t count)
{
    if (count < 2) {
        return std::nullopt;
    }
    const auto tag = dataTag(part);
    if (!tag) {
        return std::nullopt;
    }
    const auto [open, name] = *tag;
    const std::size_t begin = open + 1 + name.size();
    if (begin >= part.size() || part[begin] != '>') {
        return std::nullopt;  // attributes, or an empty element
    }
    const std::string close = "</" + std::string(name) + ">";
    const std::size_t end = part.rfind(close);
    if (end == std::string_view::npos || end <= begin) {
        return std::nullopt;
    }
    const std::string_view rows = part.substr(begin + 1, end - begin - 1);
    if (hasMarkedTag(rows, '!') || hasMarkedTag(rows, '?')) {
        return std::nullopt;
    }
    const std::string rowOpen = "<" + std::string(name.substr(0, name.size() - kData.size())) + "row";
    std::vector<std::size_t> bounds{0};
    for (std::size_t i = 1; i < count; ++i) {
        const std::size_t at = rowAt(rows, rowOpen, rows.size() / count * i, rows.size());
        if (at > bounds.back() && at < rows.size()) {
            bounds.push_back(at);
        }
    }
    if (bounds.size() < 2) {
        return std::nullopt;
    }
    bounds.push_back(rows.size());

    XlsxSheetPieces pieces;
    const std::string_view head = part.substr(0, begin + 1);
    // The part's own null byte stays out of the text: outer() adds one.
    std::string_view tail = part.substr(end);
    if (!tail.empty() && tail.back() == '\0') {
        tail.remove_suffix(1);
    }
    pieces.outer_.reserve(head.size() + tail.size());
    pieces.outer_.append(head).append(tail);
    const std::string start = "<" + std::string(name) + ">";
    for (std::size_t i = 0; i + 1 < bounds.size(); ++i) {
        const std::string_view piece = rows.substr(bounds[i], bounds[i + 1] - bounds[i]);
        std::string document;
        document.reserve(start.size() + piece.size() + close.size());
        document.append(start).append(piece).append(close);
        pieces.pieces_.push_back(std::move(document));
    }
    return pieces;
}

}  // namespace spreadsheet::io
