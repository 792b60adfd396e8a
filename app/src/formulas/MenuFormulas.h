#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QAction;
class QMenu;

namespace catalog {
struct Catalogo;
}

// The tree of the "Fórmulas" drop-down: submenus found or made by their
// caption path, and the catalogue items made from the catalogue tables.
class MenuFormulas {
public:
    explicit MenuFormulas(QMenu& raiz);

    // The submenu at the end of the path, made where missing; a separator
    // goes before the last level when it is made with `separadorAntes`.
    QMenu& submenu(const QStringList& caminho, bool separadorAntes = false);
    // One item per row of the catalogue, in its groups; each item is handed
    // to `ligar` to connect it.
    void criarCatalogo(const catalog::Catalogo& catalogo, const std::function<void(QAction*)>& ligar);

private:
    QMenu& filho(QMenu& pai, const QString& legenda, bool separadorAntes);

    QMenu& FRaiz;
};
