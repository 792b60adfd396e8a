#include "host/TextRoutines.h"

#include "host/HostError.h"

namespace host {

namespace {

// XFD, the last column of a modern spreadsheet.
constexpr int lastColumn = 16383;

}  // namespace

bool InStrArray(const QString& text, const QStringList& array)
{
    return array.contains(text, Qt::CaseSensitive);
}

QStringList StrToStrArray(const QString& text, const QString& separator)
{
    if (separator.isEmpty()) {
        throw HostError(QStringLiteral("Separador vazio ao dividir o texto '%1'.").arg(text));
    }
    if (text.isEmpty()) {
        return {};
    }
    return text.split(separator, Qt::KeepEmptyParts, Qt::CaseSensitive);
}

QString DeleteChar(const QString& text, QChar c)
{
    QString result = text;
    result.remove(c, Qt::CaseSensitive);
    return result;
}

int ColunaExcelParaIndice(const QString& letters)
{
    const QString name = letters.trimmed();
    if (name.isEmpty() || name.size() > 3) {
        return -1;
    }
    int index = 0;
    for (QChar c : name) {
        const char16_t upper = c.unicode() & ~char16_t(0x20);
        if (c.unicode() > 0x7f || upper < u'A' || upper > u'Z') {
            return -1;
        }
        index = index * 26 + (upper - u'A' + 1);
    }
    return index - 1 <= lastColumn ? index - 1 : -1;
}

}  // namespace host
