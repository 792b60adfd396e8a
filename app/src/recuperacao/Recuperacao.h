#pragma once

#include <QElapsedTimer>

#include <memory>

class ArmazemRecuperacao;
class AutoSalvamento;
class ModeloRecuperacao;
class TVandrelPrincForm;

// The recovery copies of the running editor: its own folder of copies, the
// timer that keeps them, and the question at start-up about the copies of
// editors that did not end normally. Without a usable recovery folder the
// editor runs on without copies, as the status bar tells.
class Recuperacao {
public:
    // inicio: started when the program started, for the test hook's timings.
    Recuperacao(TVandrelPrincForm& principal, const QElapsedTimer& inicio);
    ~Recuperacao();
    Recuperacao(const Recuperacao&) = delete;
    Recuperacao& operator=(const Recuperacao&) = delete;

    // Offers the abandoned copies, then starts the timer. Runs once the main
    // window shows, so that recovered workbooks open in it.
    void iniciar();

private:
    void oferecer();
    void aplicar(const ModeloRecuperacao& modelo);
    void recuperarUma(const struct CopiaRecuperacao& copia);

    TVandrelPrincForm& FPrincipal;
    const QElapsedTimer& FInicio;
    std::unique_ptr<ArmazemRecuperacao> FArmazem;
    std::unique_ptr<AutoSalvamento> FAuto;
};
