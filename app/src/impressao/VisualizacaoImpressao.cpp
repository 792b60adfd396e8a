#include "src/impressao/VisualizacaoImpressao.h"

#include "src/Aplicacao.h"
#include "src/impressao/PaginaImpressa.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QSpinBox>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <array>

namespace {

// The zoom list: 0 fits the page in the window.
struct Zoom {
    const char* legenda;
    double fator;
};

constexpr std::array<Zoom, 7> kZooms{{
    {"Página inteira", 0}, {"50%", 0.5}, {"75%", 0.75}, {"100%", 1.0}, {"125%", 1.25}, {"150%", 1.5}, {"200%", 2.0},
}};

}  // namespace

VisualizacaoImpressao::VisualizacaoImpressao(spreadsheet::print::PrintJob trabalho,
                                             std::function<void(QWidget*)> imprimir,
                                             std::function<void(QWidget*)> exportarPdf, QWidget* parent)
    : QDialog(parent), FTrabalho(std::move(trabalho)), FImprimir(std::move(imprimir)), FExportar(std::move(exportarPdf))
{
    setObjectName(QStringLiteral("VisualizacaoImpressao"));
    FPagina = new PaginaImpressa(FTrabalho, this);
    FRolagem = new QScrollArea(this);
    FRolagem->setWidget(FPagina);
    FRolagem->setAlignment(Qt::AlignCenter);
    FRolagem->setBackgroundRole(QPalette::Mid);
    auto* coluna = new QVBoxLayout(this);
    coluna->setContentsMargins(0, 0, 0, 0);
    criarBarra();
    coluna->addWidget(FRolagem);
    resize(900, 700);
    irPara(0);
}

void VisualizacaoImpressao::criarBarra()
{
    auto* barra = new QToolBar(this);
    layout()->addWidget(barra);
    const auto botao = [&](const char* nome, const QString& legenda, const QKeySequence& tecla, auto acao) {
        QAction* item = barra->addAction(legenda);
        item->setObjectName(QString::fromLatin1(nome));
        item->setShortcut(tecla);
        connect(item, &QAction::triggered, this, Aplicacao::comando(acao));
    };
    botao("actPrimeira", QStringLiteral("|◀"), QKeySequence(Qt::Key_Home), [this] { irPara(0); });
    botao("actAnterior", QStringLiteral("◀"), QKeySequence(Qt::Key_PageUp), [this] { irPara(pagina() - 1); });
    FNumero = new QSpinBox(barra);
    FNumero->setObjectName(QStringLiteral("spnPagina"));
    FNumero->setRange(1, std::max(1, paginas()));
    barra->addWidget(FNumero);
    FTotal = new QLabel(QStringLiteral(" de %1 ").arg(paginas()), barra);
    barra->addWidget(FTotal);
    connect(FNumero, &QSpinBox::valueChanged, this, Aplicacao::comando([this](int n) { irPara(n - 1); }));
    botao("actProxima", QStringLiteral("▶"), QKeySequence(Qt::Key_PageDown), [this] { irPara(pagina() + 1); });
    botao("actUltima", QStringLiteral("▶|"), QKeySequence(Qt::Key_End), [this] { irPara(paginas() - 1); });
    barra->addSeparator();
    FZoom = new QComboBox(barra);
    FZoom->setObjectName(QStringLiteral("cbxZoom"));
    for (const Zoom& z : kZooms)
        FZoom->addItem(QString::fromUtf8(z.legenda), z.fator);
    barra->addWidget(FZoom);
    connect(FZoom, &QComboBox::currentIndexChanged, this, &VisualizacaoImpressao::aplicarZoom);
    barra->addSeparator();
    botao("actImprimirVisualizacao", QStringLiteral("Imprimir..."), QKeySequence::Print, [this] { FImprimir(this); });
    botao("actExportarPdf", QStringLiteral("Exportar PDF..."), QKeySequence(), [this] { FExportar(this); });
    botao("actFecharVisualizacao", QStringLiteral("Fechar"), QKeySequence(), [this] { reject(); });
}

int VisualizacaoImpressao::pagina() const
{
    return FPagina->pagina();
}

void VisualizacaoImpressao::irPara(int pagina)
{
    FPagina->mostrar(pagina);
    const QSignalBlocker bloqueio(FNumero);
    FNumero->setValue(FPagina->pagina() + 1);
    setWindowTitle(QStringLiteral("Visualizar Impressão - página %1 de %2").arg(FPagina->pagina() + 1).arg(paginas()));
}

void VisualizacaoImpressao::aplicarZoom()
{
    FPagina->definirZoom(FZoom->currentData().toDouble(), FRolagem->maximumViewportSize());
}

void VisualizacaoImpressao::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    aplicarZoom();
}

// Sizes of a window not yet shown are not final: the fit waits for them.
void VisualizacaoImpressao::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, &VisualizacaoImpressao::aplicarZoom);
}

// Ctrl with + or - zooms, as in other previews.
void VisualizacaoImpressao::keyPressEvent(QKeyEvent* event)
{
    const int passo = event->key() == Qt::Key_Plus ? 1 : event->key() == Qt::Key_Minus ? -1 : 0;
    if (passo != 0 && (event->modifiers() & Qt::ControlModifier)) {
        FZoom->setCurrentIndex(std::clamp(FZoom->currentIndex() + passo, 0, FZoom->count() - 1));
        return;
    }
    QDialog::keyPressEvent(event);
}
