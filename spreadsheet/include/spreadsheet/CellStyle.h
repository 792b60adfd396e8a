#pragma once

#include <QString>

#include <cstdint>

namespace spreadsheet {

// Horizontal alignment codes stored with a style.
enum class HorizontalAlignment : std::uint8_t { General = 0, Left, Center, Right, Fill, Justify, Distributed };

// Vertical alignment codes stored with a style; 0 is the default, so that
// styles stored before the code existed read as bottom aligned.
enum class VerticalAlignment : std::uint8_t { Bottom = 0, Center = 1, Top = 2 };

// Border line codes stored with a style. The first four codes are those of
// files written before the other kinds existed and must keep their values.
enum class BorderLine : std::uint8_t {
    None = 0,
    Thin = 6,
    Thick = 12,
    Double = 13,
    Medium = 20,
    Dashed = 21,
    Dotted = 22,
    Hair = 23,
    MediumDashed = 24,
};

// A colour of a style, or automatic: black text, no fill, black lines.
// The value is a QRgb (0xAARRGGBB; the engine does not link Qt's GUI part)
// with automatic as 0 and a colour with its alpha at 255, so that black
// stays distinct from automatic.
struct CellColor {
    std::uint32_t argb = 0;

    static constexpr CellColor rgb(std::uint32_t value) { return CellColor{value | 0xFF000000u}; }
    constexpr bool isAutomatic() const { return argb == 0; }
    constexpr std::uint32_t rgbOnly() const { return argb & 0xFFFFFFu; }
    bool operator==(const CellColor&) const = default;
};

struct CellFont {
    QString name = QStringLiteral("Tahoma");
    int size = 8;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    CellColor color;
    bool operator==(const CellFont&) const = default;
};

// A value type: cells share one interned copy of each distinct style.
struct CellStyle {
    CellFont font;
    HorizontalAlignment alignHorz = HorizontalAlignment::General;
    VerticalAlignment alignVert = VerticalAlignment::Bottom;
    bool wrapText = false;
    CellColor fill;
    BorderLine borderLeft = BorderLine::None;
    BorderLine borderTop = BorderLine::None;
    CellColor borderLeftColor;
    CellColor borderTopColor;
    QString numberFormat;  // empty means General
    bool locked = true;
    bool operator==(const CellStyle&) const = default;
};

std::size_t qHash(const CellStyle& style, std::size_t seed = 0);

}  // namespace spreadsheet
