#include "StylePool.h"

#include <spreadsheet/Limits.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

namespace spreadsheet {

std::size_t qHash(const CellStyle& s, std::size_t seed)
{
    const CellFont& f = s.font;
    const int bits = (f.bold ? 1 : 0) | (f.italic ? 2 : 0) | (f.underline ? 4 : 0) | (f.strikeOut ? 8 : 0)
                     | (s.locked ? 16 : 0) | (s.wrapText ? 32 : 0);
    const int layout = static_cast<int>(s.alignHorz) | static_cast<int>(s.alignVert) << 8
                       | static_cast<int>(s.borderLeft) << 16 | static_cast<int>(s.borderTop) << 24;
    return qHashMulti(seed, f.name, f.size, bits, layout, f.color.argb, s.fill.argb, s.borderLeftColor.argb,
                      s.borderTopColor.argb, s.numberFormat);
}

StylePool::StylePool() : styles_(1)
{
}

std::uint32_t StylePool::intern(const CellStyle& style)
{
    const auto it = ids_.constFind(style);
    if (it != ids_.constEnd()) {
        return *it;
    }
    if (styles_.size() > std::size_t{limits::kStyles}) {
        throw SpreadsheetError(
            QStringLiteral("Estilos de célula demais na pasta de trabalho (o limite é %1 estilos diferentes).")
                .arg(limits::kStyles));
    }
    const auto id = static_cast<std::uint32_t>(styles_.size());
    styles_.push_back(style);
    ids_.insert(style, id);
    return id;
}

const CellStyle& styleOf(const Sheet& sheet, std::uint32_t id)
{
    return id == 0 ? sheet.defaultStyle() : sheet.workbook().styles().get(id);
}

std::uint32_t styleIdOn(const Sheet& sheet, const CellStyle& style)
{
    return style == sheet.defaultStyle() ? 0 : sheet.workbook().styles().intern(style);
}

}  // namespace spreadsheet
