#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace host {

// Whether `text` is one of the items, compared exactly.
bool InStrArray(const QString& text, const QStringList& array);
// Splits at every separator, keeping the items as they are (empty ones too);
// an empty text gives no items. Raises HostError for an empty separator.
QStringList StrToStrArray(const QString& text, const QString& separator);
// The text without any occurrence of `c`.
QString DeleteChar(const QString& text, QChar c);
// The zero-based index of a spreadsheet column named by letters ("A" = 0,
// "AA" = 26, case and surrounding blanks ignored); -1 when the text names no
// column up to XFD (16383).
int ColunaExcelParaIndice(const QString& letters);

}  // namespace host
