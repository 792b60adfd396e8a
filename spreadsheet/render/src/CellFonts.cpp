#include <spreadsheet/render/CellFonts.h>

namespace spreadsheet::render {

namespace {

QFont toQFont(const CellFont& cellFont)
{
    QFont font(cellFont.name);
    font.setPointSize(cellFont.size > 0 ? cellFont.size : 8);
    font.setBold(cellFont.bold);
    font.setItalic(cellFont.italic);
    font.setUnderline(cellFont.underline);
    font.setStrikeOut(cellFont.strikeOut);
    return font;
}

}  // namespace

const QFont& CellFonts::font(const CellFont& cellFont)
{
    if (last_ < fonts_.size() && fonts_[last_].first == cellFont) {
        return fonts_[last_].second;
    }
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        if (fonts_[i].first == cellFont) {
            last_ = i;
            return fonts_[i].second;
        }
    }
    fonts_.emplace_back(cellFont, toQFont(cellFont));
    last_ = fonts_.size() - 1;
    return fonts_.back().second;
}

}  // namespace spreadsheet::render
