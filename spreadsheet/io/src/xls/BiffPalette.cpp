#include "BiffPalette.h"

#include "BiffCursor.h"

namespace spreadsheet::io::xls {

namespace {

// Excel's standard palette, indexes 8 to 63; the fixed colours 0 to 7 are
// its first eight.
constexpr std::array<std::uint32_t, 56> kStandard{
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x800000, 0x008000,
    0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080, 0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF,
    0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF, 0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000,
    0x008080, 0x0000FF, 0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696, 0x003366, 0x339966,
    0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333,
};

constexpr int kBuiltinColors = 8;

}  // namespace

BiffPalette::BiffPalette() : colors_(kStandard) {}

// A count, then red, green, blue and an unused byte for each colour from
// index 8 on.
void BiffPalette::readPalette(BiffCursor& cursor)
{
    const int count = cursor.u16();
    for (int i = 0; i < count && i < static_cast<int>(colors_.size()); ++i) {
        const std::uint32_t red = cursor.u8();
        const std::uint32_t green = cursor.u8();
        const std::uint32_t blue = cursor.u8();
        cursor.u8();
        colors_[static_cast<std::size_t>(i)] = red << 16 | green << 8 | blue;
    }
}

CellColor BiffPalette::color(int index) const
{
    if (index >= 0 && index < kBuiltinColors) {
        return CellColor::rgb(kStandard[static_cast<std::size_t>(index)]);
    }
    const int at = index - kFirst;
    return at >= 0 && at < static_cast<int>(colors_.size()) ? CellColor::rgb(colors_[static_cast<std::size_t>(at)])
                                                            : CellColor{};
}

}  // namespace spreadsheet::io::xls
