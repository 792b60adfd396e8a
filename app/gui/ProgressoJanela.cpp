#include "gui/ProgressoJanela.h"

#include "gui/TituloPrograma.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace gui {

namespace {

QString resumo(const QString& texto, int contagem)
{
    if (contagem == 1) {
        return texto;
    }
    return QStringLiteral("%1 (\u00d7%2)").arg(texto).arg(contagem);
}

}  // namespace

ProgressoJanela::ProgressoJanela(std::chrono::milliseconds intervalo)
    : FLinhas(new QListWidget(this)), FCircular(new QProgressBar(this)),
      FBotaoCancelar(new QPushButton(QStringLiteral("Cancelar"), this)), FIntervalo(intervalo)
{
    setWindowTitle(gui::tituloPrograma());
    setWindowModality(Qt::ApplicationModal);
    FLinhas->setUniformItemSizes(true);
    FCircular->setRange(0, 0);
    FCircular->setVisible(false);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(FBotaoCancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FLinhas);
    layout->addWidget(FCircular);
    layout->addLayout(botoes);
    connect(FBotaoCancelar, &QPushButton::clicked, this, &ProgressoJanela::Cancelar);
    resize(480, 320);
}

ProgressoJanela::~ProgressoJanela() = default;

// A window shown anew starts a new operation: the lines of the last one go.
void ProgressoJanela::MostrarSimples(QObject* janela)
{
    if (!isVisible()) {
        // The cancel of the last operation must not reach this one.
        ConfigurarBtnCancel({});
        FLinhas->clear();
        FNovas.clear();
        FLinhaCondensada = nullptr;
        FContagem = 0;
        FBotaoCancelar->setEnabled(true);
        FBotaoCancelar->setText(QStringLiteral("Cancelar"));
    }
    if (auto* widget = qobject_cast<QWidget*>(janela)) {
        move(widget->geometry().center() - rect().center());
    }
    show();
    FDesdeProcessamento.invalidate();
    processarEventos();
}

void ProgressoJanela::SetEhCircular(bool circular)
{
    FCircular->setVisible(circular);
}

// A run sends tens of thousands of lines: they are kept here and reach the
// list only when the window is repainted, so a line costs next to nothing.
void ProgressoJanela::IncProgressoTotal(const QString& texto, int n)
{
    if (n > 0) {
        FSequencia = texto;
        ++FContagem;
    } else {
        encerrarSequencia();
        FNovas.append(texto);
    }
    processarEventos();
}

void ProgressoJanela::LimparExibirCountTotal()
{
    encerrarSequencia();
    processarEventos();
}

// The operation is over: its cancel handler, which may point into it, goes.
void ProgressoJanela::Fechar()
{
    encerrarSequencia();
    atualizarLista();
    ConfigurarBtnCancel({});
    hide();
}

void ProgressoJanela::manterVivo()
{
    processarEventos();
}

// The work stops at its next check, which may take a moment: the button
// says so, and a second press has nothing left to do.
void ProgressoJanela::Cancelar()
{
    FBotaoCancelar->setEnabled(false);
    FBotaoCancelar->setText(QStringLiteral("Cancelando..."));
    host::TnFraProgresso::Cancelar();
}

void ProgressoJanela::reject()
{
    Cancelar();
}

void ProgressoJanela::encerrarSequencia()
{
    if (FContagem > 0) {
        if (FLinhaCondensada)
            FLinhaCondensada->setText(resumo(FSequencia, FContagem));
        else
            FNovas.append(resumo(FSequencia, FContagem));
    }
    FLinhaCondensada = nullptr;
    FContagem = 0;
}

void ProgressoJanela::atualizarLista()
{
    if (FNovas.isEmpty() && FContagem == 0)
        return;
    FLinhas->addItems(FNovas);
    FNovas.clear();
    if (FContagem > 0) {
        if (!FLinhaCondensada)
            FLinhaCondensada = new QListWidgetItem(FLinhas);
        FLinhaCondensada->setText(resumo(FSequencia, FContagem));
    }
    FLinhas->scrollToBottom();
}

void ProgressoJanela::processarEventos()
{
    if (FDesdeProcessamento.isValid() && FDesdeProcessamento.elapsed() < FIntervalo.count()) {
        return;
    }
    atualizarLista();
    QCoreApplication::processEvents();
    FDesdeProcessamento.start();
}

}  // namespace gui
