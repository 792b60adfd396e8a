#include "XfStyleTable.h"

#include "BiffCursor.h"
#include "BiffText.h"
#include "ExcelBorderCodes.h"
#include "NumberFormat.h"

#include <array>
#include <cmath>

namespace spreadsheet::io::xls {

namespace {

constexpr int kMissingFontIndex = 4;  // font indexes skip 4 for old files' sake
constexpr int kTwipsPerPoint = 20;
constexpr int kBoldWeight = 600;
constexpr std::uint16_t kItalic = 0x0002;
constexpr std::uint16_t kStrikeOut = 0x0008;
constexpr std::uint16_t kLocked = 0x0001;
constexpr std::size_t kFontSkipAfterWeight = 2;
constexpr std::size_t kFontSkipAfterUnderline = 3;
constexpr std::size_t kXfSkipAfterAlignment = 3;

using HA = HorizontalAlignment;
constexpr std::array<HA, 8> kAlignments{HA::General, HA::Left,    HA::Center, HA::Right,
                                        HA::Fill,    HA::Justify, HA::Center, HA::Distributed};

constexpr int kLastLineStyle = 13;
constexpr std::uint32_t kSolidPattern = 1;
constexpr std::uint8_t kWrap = 0x08;

// Vertical alignment codes 0-4: top, centre, bottom, justified and
// distributed, the last two filling the cell from the top down.
using VA = VerticalAlignment;
constexpr std::array<VA, 5> kVerticals{VA::Top, VA::Center, VA::Bottom, VA::Top, VA::Top};

struct BuiltinFormat {
    int index;
    const char* code;
};

// Built-in number formats that files refer to without a FORMAT record. The
// locale-dependent short date (14) and date-time (22) follow Brazilian use,
// which is how the editor's users see them.
constexpr auto kBuiltinFormats = std::to_array<BuiltinFormat>({
    {1, "0"},
    {2, "0.00"},
    {3, "#,##0"},
    {4, "#,##0.00"},
    {5, "\"$\"#,##0_);(\"$\"#,##0)"},
    {6, "\"$\"#,##0_);[Red](\"$\"#,##0)"},
    {7, "\"$\"#,##0.00_);(\"$\"#,##0.00)"},
    {8, "\"$\"#,##0.00_);[Red](\"$\"#,##0.00)"},
    {9, "0%"},
    {10, "0.00%"},
    {11, "0.00E+00"},
    {12, "# ?/?"},
    {13, "# ?\?/?\?"},
    {14, "dd/mm/yyyy"},
    {15, "d-mmm-yy"},
    {16, "d-mmm"},
    {17, "mmm-yy"},
    {18, "h:mm AM/PM"},
    {19, "h:mm:ss AM/PM"},
    {20, "h:mm"},
    {21, "h:mm:ss"},
    {22, "dd/mm/yyyy hh:mm"},
    {37, "#,##0_);(#,##0)"},
    {38, "#,##0_);[Red](#,##0)"},
    {39, "#,##0.00_);(#,##0.00)"},
    {40, "#,##0.00_);[Red](#,##0.00)"},
    {41, "_(* #,##0_);_(* (#,##0);_(* \"-\"_);_(@_)"},
    {42, "_(\"$\"* #,##0_);_(\"$\"* (#,##0);_(\"$\"* \"-\"_);_(@_)"},
    {43, "_(* #,##0.00_);_(* (#,##0.00);_(* \"-\"??_);_(@_)"},
    {44, "_(\"$\"* #,##0.00_);_(\"$\"* (#,##0.00);_(\"$\"* \"-\"??_);_(@_)"},
    {45, "mm:ss"},
    {46, "[h]:mm:ss"},
    {47, "mm:ss.0"},
    {48, "##0.0E+0"},
    {49, "@"},
});

bool isBuiltinDate(int index)
{
    return (index >= 14 && index <= 22) || (index >= 45 && index <= 47);
}

bool isBuiltinCalendarDate(int index)
{
    return (index >= 14 && index <= 17) || index == 22;
}

// The letters of a format code that name its parts: quoted text, escaped
// characters, [bracketed] parts such as [h] or [$-416] and AM/PM are gone.
QString partLetters(const QString& code)
{
    QString out;
    QString rest = code;
    rest.remove(QStringLiteral("AM/PM"), Qt::CaseInsensitive).remove(QStringLiteral("A/P"), Qt::CaseInsensitive);
    for (qsizetype i = 0; i < rest.size(); ++i) {
        const QChar c = rest[i];
        if (c == u'"' || c == u'[') {
            const qsizetype end = rest.indexOf(c == u'"' ? u'"' : u']', i + 1);
            const QString inside = rest.mid(i + 1, end < 0 ? -1 : end - i - 1).toLower();
            // Elapsed hours, minutes or seconds ([h], [mm]) still name a part.
            if (c == u'[' && !inside.isEmpty() && QStringLiteral("hms").contains(inside[0])
                && inside.count(inside[0]) == inside.size()) {
                out.append(inside[0]);
            }
            i = end < 0 ? rest.size() : end;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;
        } else if (c.isLetter()) {
            out.append(c.toLower());
        }
    }
    return out;
}

// An "m" is minutes right after an hour or right before a second, else a month.
bool showsCalendarPart(const QString& letters)
{
    for (qsizetype i = 0; i < letters.size(); ++i) {
        const QChar c = letters[i];
        if (c == u'd' || c == u'y') {
            return true;
        }
        if (c != u'm') {
            continue;
        }
        qsizetype end = i;
        while (end < letters.size() && letters[end] == u'm') {
            ++end;
        }
        const bool afterHour = i > 0 && letters[i - 1] == u'h';
        const bool beforeSecond = end < letters.size() && letters[end] == u's';
        if (!afterHour && !beforeSecond) {
            return true;
        }
        i = end - 1;
    }
    return false;
}

}  // namespace

QString XfStyleTable::builtinFormatCode(int index)
{
    for (const BuiltinFormat& f : kBuiltinFormats) {
        if (f.index == index) {
            return QString::fromLatin1(f.code);
        }
    }
    return QString();
}

BorderLine XfStyleTable::borderLine(int lineStyle)
{
    return lineStyle >= 0 && lineStyle <= kLastLineStyle ? ExcelBorderCodes::line(lineStyle) : BorderLine::Thin;
}

bool XfStyleTable::isDateFormat(int index, const QString& code)
{
    return isBuiltinDate(index) || (!code.isEmpty() && NumberFormat::isDateFormat(code));
}

bool XfStyleTable::isCalendarDate(int index, const QString& code)
{
    if (isBuiltinDate(index)) {
        return isBuiltinCalendarDate(index);
    }
    return isDateFormat(index, code) && showsCalendarPart(partLetters(code));
}

void XfStyleTable::readFont(BiffCursor& cursor, const BiffText& text)
{
    CellFont f;
    const int height = cursor.u16();
    const std::uint16_t flags = cursor.u16();
    fontColors_.push_back(cursor.u16());
    const int weight = cursor.u16();
    cursor.skip(kFontSkipAfterWeight);  // superscript and subscript
    const std::uint8_t underline = cursor.u8();
    cursor.skip(kFontSkipAfterUnderline);  // family, character set, reserved
    f.name = text.shortString(cursor);
    f.size = std::max(1, static_cast<int>(std::lround(static_cast<double>(height) / kTwipsPerPoint)));
    f.bold = weight >= kBoldWeight;
    f.italic = (flags & kItalic) != 0;
    f.strikeOut = (flags & kStrikeOut) != 0;
    f.underline = underline != 0;
    fonts_.push_back(std::move(f));
}

void XfStyleTable::readFormat(BiffCursor& cursor, const BiffText& text)
{
    const int index = cursor.u16();
    numberFormats_.insert(index, text.isBiff8() ? text.longString(cursor) : text.shortString(cursor));
}

void XfStyleTable::readXf(BiffCursor& cursor, const BiffText& text)
{
    raw_.push_back(text.isBiff8() ? readXf8(cursor) : readXf5(cursor));
}

// Both layouts begin alike: font, number format, protection, alignment.
XfStyleTable::RawXf XfStyleTable::readXfHead(BiffCursor& cursor)
{
    RawXf raw{};
    raw.font = cursor.u16();
    raw.numberFormat = cursor.u16();
    raw.protection = cursor.u16();
    raw.alignment = cursor.u8();
    return raw;
}

XfStyleTable::RawXf XfStyleTable::readXf8(BiffCursor& cursor)
{
    RawXf raw = readXfHead(cursor);
    cursor.skip(kXfSkipAfterAlignment);  // rotation, indent, which attributes are set
    raw.borders = cursor.u32();
    const std::uint32_t colors = cursor.u32();
    const std::uint16_t pattern = cursor.u16();
    constexpr std::uint32_t kIndex = 0x7F;
    raw.lineColors = {int((raw.borders >> 16) & kIndex), int((raw.borders >> 23) & kIndex), int(colors & kIndex),
                      int((colors >> 7) & kIndex)};
    if ((colors >> 26) == kSolidPattern) {
        raw.fillColor = pattern & kIndex;
    }
    return raw;
}

// Excel 5.0/95 keeps 3-bit line styles: the bottom one among the fill
// fields, the top, left and right ones in the next word.
XfStyleTable::RawXf XfStyleTable::readXf5(BiffCursor& cursor)
{
    RawXf raw = readXfHead(cursor);
    cursor.u8();  // text orientation, which attributes are set
    const std::uint32_t fill = cursor.u32();
    const std::uint32_t lines = cursor.u32();
    const std::uint32_t bottom = (fill >> 22) & 0x07;
    const std::uint32_t top = lines & 0x07;
    const std::uint32_t left = (lines >> 3) & 0x07;
    const std::uint32_t right = (lines >> 6) & 0x07;
    raw.borders = left | (right << 4) | (top << 8) | (bottom << 12);
    return raw;
}

const CellFont& XfStyleTable::font(int index) const
{
    static const CellFont fallback;
    const int at = index >= kMissingFontIndex ? index - 1 : index;
    if (at >= 0 && at < static_cast<int>(fonts_.size())) {
        return fonts_[static_cast<std::size_t>(at)];
    }
    return fonts_.empty() ? fallback : fonts_.front();
}

// The first font's colour is the automatic one, as the file's other default
// font facts are.
CellColor XfStyleTable::fontColor(int index) const
{
    const int at = index >= kMissingFontIndex ? index - 1 : index;
    if (at < 0 || at >= static_cast<int>(fontColors_.size())) {
        return {};
    }
    const CellColor color = palette_.color(fontColors_[static_cast<std::size_t>(at)]);
    return color == palette_.color(fontColors_.front()) ? CellColor{} : color;
}

XfStyleTable::Format XfStyleTable::build(const RawXf& raw) const
{
    Format f;
    f.style.font = font(raw.font);
    f.style.font.color = fontColor(raw.font);
    f.style.fill = palette_.color(raw.fillColor);
    f.style.borderLeftColor = palette_.color(raw.lineColors[0]);
    f.borderRightColor = palette_.color(raw.lineColors[1]);
    f.style.borderTopColor = palette_.color(raw.lineColors[2]);
    f.borderBottomColor = palette_.color(raw.lineColors[3]);
    f.style.alignHorz = kAlignments[raw.alignment & 0x07];
    const std::size_t vertical = (raw.alignment >> 4) & 0x07;
    f.style.alignVert = vertical < kVerticals.size() ? kVerticals[vertical] : VA::Bottom;
    f.style.wrapText = (raw.alignment & kWrap) != 0;
    f.style.borderLeft = borderLine(static_cast<int>(raw.borders & 0x0F));
    f.borderRight = borderLine(static_cast<int>((raw.borders >> 4) & 0x0F));
    f.style.borderTop = borderLine(static_cast<int>((raw.borders >> 8) & 0x0F));
    f.borderBottom = borderLine(static_cast<int>((raw.borders >> 12) & 0x0F));
    // A colour without a line is no colour.
    const std::array<std::pair<BorderLine, CellColor*>, 4> lines{{
        {f.style.borderLeft, &f.style.borderLeftColor},
        {f.borderRight, &f.borderRightColor},
        {f.style.borderTop, &f.style.borderTopColor},
        {f.borderBottom, &f.borderBottomColor},
    }};
    for (const auto& [line, color] : lines) {
        *color = line == BorderLine::None ? CellColor{} : *color;
    }
    f.style.locked = (raw.protection & kLocked) != 0;
    const QString code = numberFormats_.value(raw.numberFormat, builtinFormatCode(raw.numberFormat));
    f.style.numberFormat = code.compare(QStringLiteral("General"), Qt::CaseInsensitive) == 0 ? QString() : code;
    f.isDate = isCalendarDate(raw.numberFormat, f.style.numberFormat);
    return f;
}

void XfStyleTable::finish()
{
    formats_.clear();
    formats_.reserve(raw_.size());
    for (const RawXf& raw : raw_) {
        formats_.push_back(build(raw));
    }
    if (!formats_.empty()) {
        default_ = formats_.front();
    }
}

const XfStyleTable::Format& XfStyleTable::format(int xf) const
{
    return xf >= 0 && xf < static_cast<int>(formats_.size()) ? formats_[static_cast<std::size_t>(xf)] : default_;
}

}  // namespace spreadsheet::io::xls
