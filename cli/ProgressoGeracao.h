#pragma once

#include "host/TnFraProgresso.h"

#include <QElapsedTimer>
#include <QString>

#include <map>
#include <memory>
#include <vector>

// The batch run's progress frame: passes every line on to the frame that
// shows it, presses the cancel button once the user has hit Ctrl+C (see
// Interrupcao), and times the phases of the run from the step lines.
class ProgressoGeracao : public host::TnFraProgresso {
public:
    explicit ProgressoGeracao(std::unique_ptr<host::TnFraProgresso> exibicao);
    ~ProgressoGeracao() override;

    void MostrarSimples(QObject* janela) override;
    void SetEhCircular(bool circular) override;
    void IncProgressoTotal(const QString& texto, int n) override;
    void LimparExibirCountTotal() override;

    // Milliseconds per phase, in the order the phases first appeared.
    std::vector<std::pair<QString, qint64>> fases() const;

private:
    void verificarInterrupcao();
    void somar(const QString& fase, qint64 ms);

    std::unique_ptr<host::TnFraProgresso> FExibicao;
    QElapsedTimer FRelogio;
    qint64 FUltimaLinha = 0;
    qint64 FUltimaLimpeza = -1;
    std::vector<std::pair<QString, qint64>> FFases;
};
