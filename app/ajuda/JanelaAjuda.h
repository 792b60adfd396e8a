#pragma once

#include "ajuda/IndiceAjuda.h"

#include <QMainWindow>
#include <QUrl>

class QAction;
class QTextBrowser;
class QUrl;

namespace ajuda {

// A help browser: the pages of one help folder with back, forward and
// home (the index page).
class JanelaAjuda : public QMainWindow {
    Q_OBJECT

public:
    explicit JanelaAjuda(QWidget* parent = nullptr);

    // An empty page shows the index.
    void mostrar(const QString& pasta, const QString& pagina);
    QTextBrowser* navegador() const { return FNavegador; }
    // The user guide's index, from the installation or the sources.
    void abrirGuia();
    // What the index page links to for the guide.
    static QUrl linkGuia() { return QUrl(QString::fromLatin1(IndiceAjuda::kLinkGuia)); }

private:
    void criarAcoes();
    void seguir(const QUrl& link);

    QTextBrowser* FNavegador = nullptr;
    QAction* FGuia = nullptr;
};

}  // namespace ajuda
