#pragma once

#include <QChar>

namespace spreadsheet {

// The characters of a word in a formula: names, references, sheet names.
// The parser and the convention scanner must cut words at the same places.
inline bool isFormulaWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'.' || c == u'_' || c == u'\\' || c == u'$' || c == u'?';
}

}  // namespace spreadsheet
