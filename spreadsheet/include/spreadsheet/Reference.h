#pragma once

#include "CellRange.h"

#include <QString>
#include <QStringView>

namespace spreadsheet {

// Column letters in bijective base 26: 0 -> A, 25 -> Z, 26 -> AA, 702 -> AAA.
QString columnName(int column);
// -1 when the text is not a column name within the sheet limits.
int columnIndex(QStringView letters);

// Which parts of a reference carry a '$'.
struct AbsoluteFlags {
    bool column1 = false;
    bool row1 = false;
    bool column2 = false;
    bool row2 = false;
};

// A parsed reference such as "B7", "$A$1:C3" or "'Folha 1'!A1".
struct ParsedReference {
    QString sheetName;  // empty when the text names no sheet
    CellRange range;
    AbsoluteFlags absolute;
    bool isRange = false;  // written with ':' even when the area is a single cell
};

bool parseCellAddress(QStringView a1, CellAddress& out);
// One cell written with optional '$' marks, such as "$B7".
bool parseCellCorner(QStringView text, CellAddress& out, bool& absoluteColumn, bool& absoluteRow);
bool parseReference(QStringView text, ParsedReference& out);

QString cellAddressText(int row, int column, bool absoluteColumn = false, bool absoluteRow = false);
// "A1:B2", or "A1" for a single cell unless forceRange.
QString rangeText(const CellRange& range, const AbsoluteFlags& absolute = {}, bool forceRange = false);
// Quotes the sheet name when it is not a plain identifier.
QString sheetPrefix(const QString& sheetName);

// R1C1 style: absolute parts as R3C2, relative parts as offsets R[-1]C[2]
// from the cell that holds the reference.
QString r1c1Text(const CellRange& range, const AbsoluteFlags& absolute, const CellAddress& origin);

}  // namespace spreadsheet
