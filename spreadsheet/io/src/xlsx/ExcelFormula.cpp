#include "ExcelFormula.h"

#include "Formula.h"

#include <algorithm>

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

bool ExcelFormula::isPortable(const Formula& formula)
{
    const auto tokens = formula.tokens();
    return formula.isValid()
           && std::none_of(tokens.begin(), tokens.end(), [](const Token& t) { return t.op == OpCode::Custom; });
}

}  // namespace spreadsheet::io
