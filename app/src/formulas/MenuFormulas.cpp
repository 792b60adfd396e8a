#include "src/formulas/MenuFormulas.h"

#include "catalog/Catalogo.h"

#include <QAction>
#include <QMenu>

MenuFormulas::MenuFormulas(QMenu& raiz) : FRaiz(raiz) {}

QMenu& MenuFormulas::filho(QMenu& pai, const QString& legenda, bool separadorAntes)
{
    for (QAction* item : pai.actions()) {
        if (item->menu() && item->text() == legenda)
            return *item->menu();
    }
    if (separadorAntes)
        pai.addSeparator();
    QMenu* novo = pai.addMenu(legenda);
    return *novo;
}

QMenu& MenuFormulas::submenu(const QStringList& caminho, bool separadorAntes)
{
    QMenu* atual = &FRaiz;
    for (qsizetype i = 0; i < caminho.size(); ++i)
        atual = &filho(*atual, caminho[i], separadorAntes && i == caminho.size() - 1);
    return *atual;
}

void MenuFormulas::criarCatalogo(const catalog::Catalogo& catalogo, const std::function<void(QAction*)>& ligar)
{
    QMenu& menu = submenu(catalogo.caminho, catalogo.separadorAntes);
    for (const catalog::ItemCatalogo& item : catalogo.itens) {
        QMenu& destino = item.grupo.isEmpty() ? menu : filho(menu, item.grupo, false);
        QAction* acao = destino.addAction(item.legenda);
        acao->setStatusTip(item.dica);
        acao->setToolTip(item.dica);
        acao->setData(item.numero);
        ligar(acao);
    }
}
