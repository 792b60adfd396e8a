#include "ColumnName.h"

namespace spreadsheet::widgets {

QString columnName(int column)
{
    QString name;
    for (int n = column + 1; n > 0; n = (n - 1) / 26) {
        name.prepend(QChar(u'A' + (n - 1) % 26));
    }
    return name;
}

}  // namespace spreadsheet::widgets
