#include "ExcelFormula.h"


namespace spreadsheet::io {

QString ExcelFormula::text(const QString& canonical)
{
    QString out = canonical;
    QChar quote;  // the delimiter of the literal being copied, if any
    for (QChar& c : out) {
        if (!quote.isNull()) {
            // A doubled delimiter closes and reopens: the state comes out right.
            quote = c == quote ? QChar() : quote;
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u';') {
            c = u',';
        }
    }
    return out;
}

}  // namespace spreadsheet::io
