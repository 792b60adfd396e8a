#include "XlsxRowTag.h"

#include <spreadsheet/CellRange.h>

#include <cmath>

namespace spreadsheet::io {

namespace {

using xml::isSpace;
using xml::whole;

// name="value" or name='value', apart by blanks; nothing for anything else.
std::optional<xml::Attributes> attributesIn(std::string_view text)
{
    xml::Attributes attributes;
    std::size_t at = 0;
    const auto skipSpaces = [&] {
        while (at < text.size() && isSpace(text[at]))
            ++at;
    };
    for (skipSpaces(); at < text.size(); skipSpaces()) {
        const std::size_t nameStart = at;
        while (at < text.size() && text[at] != '=' && !isSpace(text[at]))
            ++at;
        std::string_view name = text.substr(nameStart, at - nameStart);
        skipSpaces();
        if (name.empty() || at >= text.size() || text[at] != '=')
            return std::nullopt;
        ++at;
        skipSpaces();
        if (at >= text.size() || (text[at] != '"' && text[at] != '\''))
            return std::nullopt;
        const std::size_t close = text.find(text[at], at + 1);
        if (close == std::string_view::npos)
            return std::nullopt;
        if (const std::size_t colon = name.find(':'); colon != std::string_view::npos)
            name.remove_prefix(colon + 1);
        attributes.emplace_back(name, text.substr(at + 1, close - at - 1));
        at = close + 1;
    }
    return attributes;
}

}  // namespace

std::optional<XlsxRowTag> XlsxRowTag::plain(const xml::Attributes& attributes)
{
    XlsxRowTag tag;
    bool numbered = false;
    for (const auto& [name, value] : attributes) {
        if (name == "s" || name == "customFormat") {
            return std::nullopt;
        }
        if (name == "r") {
            const std::optional<int> row = whole<int>(value);
            if (!row || *row < 1 || *row > kMaxRows)
                return std::nullopt;
            tag.row = *row - 1;
            numbered = true;
        } else if (name == "ht") {
            tag.height = whole<double>(value);
            if (!tag.height || !std::isfinite(*tag.height))
                return std::nullopt;
        }
    }
    return numbered ? std::optional<XlsxRowTag>(tag) : std::nullopt;
}

std::optional<XlsxRowTag> XlsxRowTag::plain(std::string_view attributesText)
{
    const std::optional<xml::Attributes> attributes = attributesIn(attributesText);
    return attributes ? plain(*attributes) : std::nullopt;
}

}  // namespace spreadsheet::io
