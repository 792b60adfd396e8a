#include "ExemploCommand.h"

int runExemplo(const QStringList&, QTextStream&, QTextStream& err)
{
    err << "darvelo exemplo: em construção\n";
    return 1;
}
