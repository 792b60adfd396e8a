#pragma once

#include <QStringList>
#include <QTextStream>

// darvelo exemplo: writes the demo database and the sample templates.
int runExemplo(const QStringList& arguments, QTextStream& out, QTextStream& err);
