#pragma once

#include <host/TnFraProgresso.h>

#include <QDialog>
#include <QElapsedTimer>

#include <chrono>

class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;

namespace gui {

// The progress frame as an application-modal window: the progress lines and
// a "Cancelar" button. The run works on the GUI thread, so each new line
// lets pending events through (at most once per interval); the modality
// leaves the cancel button as the only thing the user can reach meanwhile.
class ProgressoJanela : public QDialog, public host::TnFraProgresso {
    Q_OBJECT

public:
    explicit ProgressoJanela(std::chrono::milliseconds intervalo = std::chrono::milliseconds(50));
    ~ProgressoJanela() override;

    void MostrarSimples(QObject* janela) override;
    void SetEhCircular(bool circular) override;
    void IncProgressoTotal(const QString& texto, int n) override;
    void LimparExibirCountTotal() override;
    void Fechar();
    // Lets pending events through (at most once per interval) while the work
    // goes on without a progress line, as during a long query.
    void manterVivo();
    void Cancelar() override;

    QListWidget* linhas() const { return FLinhas; }
    QPushButton* botaoCancelar() const { return FBotaoCancelar; }

protected:
    // Escape and the window's close box cancel the run like the button;
    // the window goes away only when the run is over.
    void reject() override;

private:
    void encerrarSequencia();
    void atualizarLista();
    void processarEventos();

    QListWidget* FLinhas = nullptr;
    QProgressBar* FCircular = nullptr;
    QPushButton* FBotaoCancelar = nullptr;
    // The lines not yet in the list, and the open sequence of per-record
    // lines: its latest text and how many it summarises.
    QStringList FNovas;
    QString FSequencia;
    QListWidgetItem* FLinhaCondensada = nullptr;
    int FContagem = 0;
    std::chrono::milliseconds FIntervalo;
    QElapsedTimer FDesdeProcessamento;
};

}  // namespace gui
