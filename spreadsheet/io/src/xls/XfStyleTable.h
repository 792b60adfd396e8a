#pragma once

#include "BiffPalette.h"

#include <spreadsheet/CellStyle.h>

#include <QHash>

#include <array>
#include <QString>

#include <cstdint>
#include <vector>

namespace spreadsheet::io::xls {

class BiffCursor;
class BiffText;

// The cell formats of a workbook: fonts, number formats and the extended
// formats (XF) that cells point at by index.
class XfStyleTable {
public:
    struct Format {
        CellStyle style;           // left and top borders as the file has them
        BorderLine borderRight = BorderLine::None;
        BorderLine borderBottom = BorderLine::None;
        CellColor borderRightColor;
        CellColor borderBottomColor;
        bool isDate = false;       // the number format shows a calendar date, not only a time
    };

    void readFont(BiffCursor& cursor, const BiffText& text);
    void readFormat(BiffCursor& cursor, const BiffText& text);
    void readXf(BiffCursor& cursor, const BiffText& text);
    void readPalette(BiffCursor& cursor) { palette_.readPalette(cursor); }
    // Builds the formats once every FONT, FORMAT and XF record is read.
    void finish();

    // The format of an XF index; an index the file never defined gets the
    // first one's, as a damaged file should not stop the reading.
    const Format& format(int xf) const;
    int size() const { return static_cast<int>(formats_.size()); }

    // The format code of a built-in number format index, empty for General
    // or an unknown index.
    static QString builtinFormatCode(int index);
    static BorderLine borderLine(int lineStyle);
    // True for the built-in date and time formats and for codes that show
    // day, month, year, hour or second parts.
    static bool isDateFormat(int index, const QString& code);
    // True when the format shows a day, month or year: times of day and
    // durations such as [h]:mm:ss are not dates.
    static bool isCalendarDate(int index, const QString& code);

private:
    struct RawXf {
        int font;
        int numberFormat;
        std::uint16_t protection;
        std::uint8_t alignment;
        std::uint32_t borders;  // line styles of left, right, top, bottom, 4 bits each
        // Palette indexes of the left, right, top and bottom lines and of a
        // solid fill; Excel 95 files leave them automatic.
        std::array<int, 4> lineColors{kAutomatic, kAutomatic, kAutomatic, kAutomatic};
        int fillColor = kAutomatic;
    };
    static constexpr int kAutomatic = 0x7FFF;
    static RawXf readXfHead(BiffCursor& cursor);
    static RawXf readXf8(BiffCursor& cursor);
    static RawXf readXf5(BiffCursor& cursor);
    Format build(const RawXf& raw) const;
    const CellFont& font(int index) const;

    CellColor fontColor(int index) const;

    std::vector<CellFont> fonts_;
    std::vector<int> fontColors_;  // palette indexes, resolved once the PALETTE is read
    BiffPalette palette_;
    QHash<int, QString> numberFormats_;
    std::vector<RawXf> raw_;
    std::vector<Format> formats_;
    Format default_;
};

}  // namespace spreadsheet::io::xls
