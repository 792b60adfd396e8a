#pragma once

#include <QStringList>

class QTextStream;

// "darvelo converter ENTRADA SAIDA": converts workbook files by extension.
// Returns the process exit code: 0 done, 1 bad input, 2 bad usage.
int runConverter(const QStringList& arguments, QTextStream& out, QTextStream& err);
