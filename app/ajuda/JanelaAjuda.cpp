#include "ajuda/JanelaAjuda.h"

#include "ajuda/GeradorAjuda.h"
#include "gui/TituloPrograma.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

namespace ajuda {

JanelaAjuda::JanelaAjuda(QWidget* parent) : QMainWindow(parent), FNavegador(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("%1 - Ajuda").arg(gui::tituloPrograma()));
    FNavegador->setOpenExternalLinks(true);
    setCentralWidget(FNavegador);
    criarAcoes();
    resize(800, 600);
}

void JanelaAjuda::criarAcoes()
{
    QToolBar* barra = addToolBar(QStringLiteral("Navegação"));
    barra->setMovable(false);
    QAction* voltar = barra->addAction(QStringLiteral("Voltar"), FNavegador, &QTextBrowser::backward);
    QAction* avancar = barra->addAction(QStringLiteral("Avançar"), FNavegador, &QTextBrowser::forward);
    barra->addAction(QStringLiteral("Início"), FNavegador, &QTextBrowser::home);
    voltar->setShortcut(QKeySequence::Back);
    avancar->setShortcut(QKeySequence::Forward);
    voltar->setEnabled(false);
    avancar->setEnabled(false);
    connect(FNavegador, &QTextBrowser::backwardAvailable, voltar, &QAction::setEnabled);
    connect(FNavegador, &QTextBrowser::forwardAvailable, avancar, &QAction::setEnabled);
}

void JanelaAjuda::mostrar(const QString& pasta, const QString& pagina)
{
    const QDir dir(pasta);
    // The index is the first page of the history, so that home returns to it.
    FNavegador->clearHistory();
    FNavegador->setSource(QUrl::fromLocalFile(dir.filePath(GeradorAjuda::indice())));
    if (!pagina.isEmpty() && pagina.compare(GeradorAjuda::indice(), Qt::CaseInsensitive) != 0) {
        FNavegador->setSource(QUrl::fromLocalFile(dir.filePath(pagina)));
    }
    show();
    raise();
    activateWindow();
}

}  // namespace ajuda
