#pragma once

#include <QString>

#include <cstdint>

namespace spreadsheet {

// Horizontal alignment codes stored with a style.
enum class HorizontalAlignment : std::uint8_t { General = 0, Left, Center, Right, Fill, Justify, Distributed };

// Border line codes stored with a style.
enum class BorderLine : std::uint8_t { None = 0, Thin = 6, Thick = 12, Double = 13 };

struct CellFont {
    QString name = QStringLiteral("Tahoma");
    int size = 8;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const CellFont&) const = default;
};

// A value type: cells share one interned copy of each distinct style.
struct CellStyle {
    CellFont font;
    HorizontalAlignment alignHorz = HorizontalAlignment::General;
    BorderLine borderLeft = BorderLine::None;
    BorderLine borderTop = BorderLine::None;
    QString numberFormat;  // empty means General
    bool locked = true;
    bool operator==(const CellStyle&) const = default;
};

std::size_t qHash(const CellStyle& style, std::size_t seed = 0);

}  // namespace spreadsheet
