#pragma once

#include <QString>

namespace gui {

// File filters arrive as "Descrição|*.ext|Outra|*.a;*.b" pairs; Qt's file
// dialogs want "Descrição (*.ext);;Outra (*.a *.b)".
class FiltroArquivo {
public:
    static QString paraQt(const QString& filtro);
    // The extension of a Qt filter's first concrete pattern ("nxs" for
    // "Planilhas do Darvelo (*.nxs)"); empty for "*" and "*.*".
    static QString extensaoPadrao(const QString& filtroQt);
    // The path with the filter's extension added when it has none.
    static QString comExtensao(const QString& caminho, const QString& filtroQt);
};

}  // namespace gui
