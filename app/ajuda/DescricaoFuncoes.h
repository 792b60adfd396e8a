#pragma once

#include <QString>
#include <QStringList>

namespace ajuda {

// What the help says of one function beyond the catalogue tables: what it
// returns and, for functions that no menu inserts with a parameter list,
// the labels of its arguments in order.
struct DescricaoFuncao {
    QString nome;
    QString retorno;
    QStringList argumentos;  // used only when no menu table lists the arguments
    QString exemplo;
};

class DescricaoFuncoes {
public:
    // A description with only the name for a function without an entry.
    static DescricaoFuncao de(const QString& funcao);
};

}  // namespace ajuda
