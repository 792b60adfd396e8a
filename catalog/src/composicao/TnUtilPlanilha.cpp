#include "catalog/TnUtilPlanilha.h"

#include <spreadsheet/DefinedName.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

namespace catalog {

QString TnUtilPlanilha::ColumnNameByIndex(int index, bool numericStyle)
{
    if (numericStyle)
        return QString::number(qint64(index) + 1);
    QString letters;
    for (qint64 rest = index; rest >= 0; rest = rest / 26 - 1)
        letters.prepend(QChar(char16_t(u'A' + rest % 26)));
    return letters;
}

namespace {

QString cellName(int column, int row)
{
    return TnUtilPlanilha::ColumnNameByIndex(column, false) + QString::number(qint64(row) + 1);
}

bool sameArea(const spreadsheet::CellRange& a, const spreadsheet::CellRange& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

QString TnUtilPlanilha::CellsNameByRef(const spreadsheet::Sheet& view, const spreadsheet::CellRange& area,
                                       bool useNames)
{
    if (useNames) {
        const spreadsheet::Workbook& workbook = view.workbook();
        for (const spreadsheet::DefinedName& name : workbook.names()) {
            const auto areas = name.areas(workbook);
            if (!areas.empty() && areas.back().sheet == &view && sameArea(areas.back().range, area))
                return name.name;
        }
    }
    QString text = cellName(area.left, area.top);
    if (area.left != area.right || area.top != area.bottom)
        text += (useNames ? QStringLiteral(" x ") : QStringLiteral(":")) + cellName(area.right, area.bottom);
    return text;
}

}  // namespace catalog
