#include "ExcelFormula.h"

#include <algorithm>
#include <iterator>


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

QString ExcelFormula::fromExcel(const QString& excel)
{
    static const QLatin1StringView kPrefixes[] = {QLatin1StringView("_xlfn."), QLatin1StringView("_xlws."),
                                                  QLatin1StringView("_xludf.")};
    if (!excel.contains(QLatin1StringView("_xl"), Qt::CaseInsensitive)) {
        return excel;
    }
    QString out;
    out.reserve(excel.size());
    QChar quote;
    for (qsizetype i = 0; i < excel.size(); ++i) {
        const QChar c = excel[i];
        if (!quote.isNull()) {
            quote = c == quote ? QChar() : quote;
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'_') {
            const auto prefix = std::find_if(std::begin(kPrefixes), std::end(kPrefixes), [&](QLatin1StringView p) {
                return QStringView(excel).sliced(i).startsWith(p, Qt::CaseInsensitive);
            });
            if (prefix != std::end(kPrefixes)) {
                i += prefix->size() - 1;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace spreadsheet::io
