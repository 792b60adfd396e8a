#pragma once

#include <QByteArrayView>

#include <string>

namespace spreadsheet::io::XlsxText {

// Appends UTF-8 text as XML character data: the three markup characters
// as entities, and the control characters XML cannot hold as Excel's
// _xHHHH_ escapes (tab and line feed stay as they are).
void appendEscaped(std::string& out, QByteArrayView text);

// A text Excel must keep as written: one that starts or ends in white
// space, once escaped.
bool needsPreserve(QByteArrayView escaped);

// Excel's %.16G form of a number; `upper` as it writes values.
void appendNumber(std::string& out, double value, bool upper = true);

// A cell's name, A1 style.
void appendCellName(std::string& out, int row, int column);

}  // namespace spreadsheet::io::XlsxText
