#pragma once

#include <QStringList>
#include <QTextStream>

// darvelo banco-demo: writes the synthetic payroll database.
int runDemoDatabase(const QStringList& arguments, QTextStream& out, QTextStream& err);
