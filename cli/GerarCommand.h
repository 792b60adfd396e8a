#pragma once

#include <QStringList>
#include <QTextStream>

// darvelo gerar: the batch generation run of a template.
int runGerar(const QStringList& arguments, QTextStream& out, QTextStream& err);
