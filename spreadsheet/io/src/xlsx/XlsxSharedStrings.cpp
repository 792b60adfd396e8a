#include "XlsxSharedStrings.h"

#include "XlsxText.h"

namespace spreadsheet::io {

int XlsxSharedStrings::index(const QString& text)
{
    ++uses_;
    const auto known = indexes_.constFind(text);
    if (known != indexes_.constEnd())
        return known.value();
    const int index = static_cast<int>(texts_.size());
    indexes_.insert(text, index);
    texts_.push_back(text);
    return index;
}

std::string XlsxSharedStrings::xml() const
{
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                      "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" count=\"";
    out += std::to_string(uses_);
    out += "\" uniqueCount=\"";
    out += std::to_string(texts_.size());
    out += "\">";
    std::string escaped;
    for (const QString& text : texts_) {
        escaped.clear();
        XlsxText::appendEscaped(escaped, text.toUtf8());
        out += XlsxText::needsPreserve(escaped) ? "<si><t xml:space=\"preserve\">" : "<si><t>";
        out += escaped;
        out += "</t></si>";
    }
    out += "</sst>";
    return out;
}

}  // namespace spreadsheet::io
