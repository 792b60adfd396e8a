#include "ajuda/JanelaAjuda.h"

#include "ajuda/CaminhoAjuda.h"
#include "ajuda/GeradorAjuda.h"
#include "gui/TituloPrograma.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

namespace ajuda {

JanelaAjuda::JanelaAjuda(QWidget* parent) : QMainWindow(parent), FNavegador(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("%1 - Ajuda").arg(gui::tituloPrograma()));
    // Links are followed here: the index's link to the user guide names no
    // file, since the guide's place depends on where the program runs from.
    FNavegador->setOpenLinks(false);
    connect(FNavegador, &QTextBrowser::anchorClicked, this, &JanelaAjuda::seguir);
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
    FGuia = barra->addAction(QStringLiteral("Guia do usuário"), this, &JanelaAjuda::abrirGuia);
    FGuia->setEnabled(!CaminhoAjuda::guia(QApplication::applicationDirPath()).isEmpty());
    voltar->setShortcut(QKeySequence::Back);
    avancar->setShortcut(QKeySequence::Forward);
    voltar->setEnabled(false);
    avancar->setEnabled(false);
    connect(FNavegador, &QTextBrowser::backwardAvailable, voltar, &QAction::setEnabled);
    connect(FNavegador, &QTextBrowser::forwardAvailable, avancar, &QAction::setEnabled);
}

void JanelaAjuda::abrirGuia()
{
    const QString indice = CaminhoAjuda::guia(QApplication::applicationDirPath());
    if (!indice.isEmpty()) {
        FNavegador->setSource(QUrl::fromLocalFile(indice), QTextDocument::MarkdownResource);
    }
}

void JanelaAjuda::seguir(const QUrl& link)
{
    if (link == linkGuia()) {
        abrirGuia();
        return;
    }
    const QUrl alvo = FNavegador->source().resolved(link);
    if (!alvo.isLocalFile()) {
        QDesktopServices::openUrl(alvo);
        return;
    }
    // The guide's chapters are Markdown like its index.
    const bool markdown = alvo.fileName().endsWith(QStringLiteral(".md"), Qt::CaseInsensitive);
    FNavegador->setSource(alvo, markdown ? QTextDocument::MarkdownResource : QTextDocument::HtmlResource);
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
