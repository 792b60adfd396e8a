#pragma once

#include <QMainWindow>

class QTextBrowser;

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

private:
    void criarAcoes();

    QTextBrowser* FNavegador = nullptr;
};

}  // namespace ajuda
