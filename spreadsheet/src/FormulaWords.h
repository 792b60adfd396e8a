#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

namespace spreadsheet {

// The characters of a word in a formula: names, references, sheet names.
// The parser and the convention scanner must cut words at the same places.
inline bool isFormulaWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'.' || c == u'_' || c == u'\\' || c == u'$' || c == u'?';
}

// A function name as the name tables keep it, in upper case. Names are
// almost always ASCII, which is upper-cased in one allocation.
inline QString functionNameKey(QStringView name)
{
    QString key(name.size(), Qt::Uninitialized);
    QChar* out = key.data();
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (u >= 0x80)
            return name.toString().toUpper();
        *out++ = QChar(u >= u'a' && u <= u'z' ? char16_t(u - (u'a' - u'A')) : u);
    }
    return key;
}

}  // namespace spreadsheet
