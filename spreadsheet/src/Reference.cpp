#include <spreadsheet/Reference.h>

namespace spreadsheet {

QString columnName(int column)
{
    QString name;
    for (int n = column + 1; n > 0; n = (n - 1) / 26) {
        name.prepend(QChar(u'A' + (n - 1) % 26));
    }
    return name;
}

int columnIndex(QStringView letters)
{
    if (letters.isEmpty() || letters.size() > 3) {
        return -1;
    }
    int n = 0;
    for (QChar c : letters) {
        char16_t u = c.unicode();
        if (u >= u'a' && u <= u'z') {
            u = static_cast<char16_t>(u - u'a' + u'A');
        }
        if (u < u'A' || u > u'Z') {
            return -1;
        }
        n = n * 26 + (u - u'A' + 1);
    }
    return n <= kMaxColumns ? n - 1 : -1;
}

namespace {

// One corner such as "$B$7"; advances pos past it.
bool parseCorner(QStringView text, int& pos, int& row, int& column, bool& absColumn, bool& absRow)
{
    int i = pos;
    absColumn = i < text.size() && text[i] == u'$';
    if (absColumn) {
        ++i;
    }
    const int lettersStart = i;
    while (i < text.size() && text[i].isLetter() && text[i].unicode() < 128) {
        ++i;
    }
    column = columnIndex(text.mid(lettersStart, i - lettersStart));
    if (column < 0) {
        return false;
    }
    absRow = i < text.size() && text[i] == u'$';
    if (absRow) {
        ++i;
    }
    const int digitsStart = i;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9' && i - digitsStart < 8) {
        ++i;
    }
    if (i == digitsStart || text[digitsStart] == u'0') {
        return false;
    }
    int r = 0;
    for (int d = digitsStart; d < i; ++d) {
        r = r * 10 + (text[d].unicode() - u'0');
    }
    if (r < 1 || r > kMaxRows) {
        return false;
    }
    row = r - 1;
    pos = i;
    return true;
}

// Splits "'It''s'!A1" or "Plan1!A1" into sheet name and the rest.
bool splitSheet(QStringView text, QString& sheet, int& pos)
{
    if (text.startsWith(u'\'')) {
        int i = 1;
        for (;;) {
            if (i >= text.size()) {
                return false;
            }
            if (text[i] == u'\'') {
                if (i + 1 < text.size() && text[i + 1] == u'\'') {
                    sheet.append(u'\'');
                    i += 2;
                    continue;
                }
                break;
            }
            sheet.append(text[i++]);
        }
        if (i + 1 >= text.size() || text[i + 1] != u'!') {
            return false;
        }
        pos = i + 2;
        return true;
    }
    const auto bang = text.lastIndexOf(u'!');
    if (bang >= 0) {
        sheet = text.left(bang).toString();
        pos = static_cast<int>(bang) + 1;
        return !sheet.isEmpty();
    }
    return true;
}

}  // namespace

bool parseCellCorner(QStringView text, CellAddress& out, bool& absoluteColumn, bool& absoluteRow)
{
    int pos = 0;
    return parseCorner(text, pos, out.row, out.column, absoluteColumn, absoluteRow) && pos == text.size();
}

bool parseCellAddress(QStringView a1, CellAddress& out)
{
    int pos = 0;
    bool absColumn = false;
    bool absRow = false;
    return parseCorner(a1, pos, out.row, out.column, absColumn, absRow) && pos == a1.size();
}

bool parseReference(QStringView text, ParsedReference& out)
{
    text = text.trimmed();
    if (text.startsWith(u'=')) {
        text = text.mid(1);
    }
    out = {};
    int pos = 0;
    if (!splitSheet(text, out.sheetName, pos)) {
        return false;
    }
    int row = 0;
    int column = 0;
    if (!parseCorner(text, pos, row, column, out.absolute.column1, out.absolute.row1)) {
        return false;
    }
    out.range = CellRange::cell(row, column);
    out.absolute.column2 = out.absolute.column1;
    out.absolute.row2 = out.absolute.row1;
    if (pos < text.size() && text[pos] == u':') {
        ++pos;
        int row2 = 0;
        int column2 = 0;
        if (!parseCorner(text, pos, row2, column2, out.absolute.column2, out.absolute.row2)) {
            return false;
        }
        out.range = CellRange::normalized(row, column, row2, column2);
        out.isRange = true;
    }
    return pos == text.size();
}

QString cellAddressText(int row, int column, bool absoluteColumn, bool absoluteRow)
{
    QString s;
    if (absoluteColumn) {
        s += u'$';
    }
    s += columnName(column);
    if (absoluteRow) {
        s += u'$';
    }
    s += QString::number(row + 1);
    return s;
}

QString rangeText(const CellRange& range, const AbsoluteFlags& absolute, bool forceRange)
{
    QString s = cellAddressText(range.top, range.left, absolute.column1, absolute.row1);
    if (forceRange || !range.isSingleCell()) {
        s += u':' + cellAddressText(range.bottom, range.right, absolute.column2, absolute.row2);
    }
    return s;
}

QString sheetPrefix(const QString& sheetName)
{
    bool plain = !sheetName.isEmpty() && (sheetName[0].isLetter() || sheetName[0] == u'_');
    for (QChar c : sheetName) {
        plain = plain && (c.isLetterOrNumber() || c == u'_' || c == u'.');
    }
    // A name that reads as a cell address must be quoted as well.
    CellAddress address;
    if (plain && !parseCellAddress(sheetName, address)) {
        return sheetName + u'!';
    }
    QString quoted = sheetName;
    quoted.replace(u'\'', QStringLiteral("''"));
    return u'\'' + quoted + QStringLiteral("'!");
}

namespace {

QString r1c1Part(QChar letter, int index, int origin, bool absolute)
{
    if (absolute) {
        return letter + QString::number(index + 1);
    }
    const int offset = index - origin;
    return offset == 0 ? QString(letter) : letter + u'[' + QString::number(offset) + u']';
}

}  // namespace

QString r1c1Text(const CellRange& range, const AbsoluteFlags& absolute, const CellAddress& origin)
{
    QString s = r1c1Part(u'R', range.top, origin.row, absolute.row1)
                + r1c1Part(u'C', range.left, origin.column, absolute.column1);
    if (!range.isSingleCell()) {
        s += u':' + r1c1Part(u'R', range.bottom, origin.row, absolute.row2)
             + r1c1Part(u'C', range.right, origin.column, absolute.column2);
    }
    return s;
}

}  // namespace spreadsheet
