#pragma once

#include "host/TnFraProgresso.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>

class QFile;
class QIODevice;

namespace host {

// Progress as plain lines. Lines with n = 0 are written one per line. Lines
// with n > 0 come once per row or record, so a run of them is condensed: on
// a terminal into one status line rewritten in place at most ten times a
// second, elsewhere into its last text and the number of lines it stood for,
// written when the run ends.
class ProgressoConsole : public TnFraProgresso {
public:
    using Relogio = std::function<std::chrono::milliseconds()>;

    explicit ProgressoConsole(FILE* saida = stderr, Relogio relogio = {});
    // The device must outlive the frame, which writes a pending summary when
    // destroyed.
    ProgressoConsole(QIODevice& saida, bool terminal, Relogio relogio = {});
    ~ProgressoConsole() override;

    void MostrarSimples(QObject* janela) override;
    void SetEhCircular(bool circular) override;
    void IncProgressoTotal(const QString& texto, int n) override;
    void LimparExibirCountTotal() override;

private:
    void acumular(const QString& texto);
    void encerrarSequencia();
    void escrever(const QString& texto);

    std::unique_ptr<QFile> FArquivo;
    QIODevice* FSaida = nullptr;
    bool FTerminal = false;
    Relogio FRelogio;

    QString FUltimoTexto;
    int FContagem = 0;
    bool FStatusVisivel = false;
    std::chrono::milliseconds FUltimaEscrita{0};
};

}  // namespace host
