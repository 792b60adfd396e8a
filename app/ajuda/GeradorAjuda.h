#pragma once

#include <QString>
#include <QStringList>

namespace ajuda {

// Writes the HTML help into a folder: the index page and one page per
// spreadsheet function.
class GeradorAjuda {
public:
    static QString indice() { return QStringLiteral("Vandrel.htm"); }

    // Every function with a page: the registered ones, then those that only
    // the menus insert.
    static QStringList funcoes();
    static QString arquivoDaFuncao(const QString& funcao);
    // Creates the folder when missing. Raises host::HostError when a page
    // cannot be written.
    static void gerar(const QString& pasta);
};

}  // namespace ajuda
