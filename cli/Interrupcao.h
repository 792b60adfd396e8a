#pragma once

#include "relatorio/SaidaRelatorio.h"

#include <QString>

#include <functional>

// Ctrl+C in a batch command. The first one asks for the cancel, which the
// command honours at its next check, up to the moment its outputs are put in
// place; a second one ends the process at once, exit code 130, after removing
// the temporary files written so far. Only one capture exists at a time.
class Interrupcao {
public:
    Interrupcao();
    ~Interrupcao();
    Interrupcao(const Interrupcao&) = delete;
    Interrupcao& operator=(const Interrupcao&) = delete;

    static bool pedida();
    // A file the second Ctrl+C removes, until it is forgotten.
    static void registrarTemporario(const QString& caminho);
    static void esquecerTemporarios();
    // Runs `confirmacao` unless the cancel was asked for first, and returns
    // whether it ran. A Ctrl+C that comes while it runs is too late and is
    // ignored, so the outputs are either all in place or none is.
    static bool confirmar(const std::function<void()>& confirmacao);
    // The three above, as a report's output asks for them.
    static relatorio::Vigilancia vigilancia();
};
