#pragma once

#include "src/recuperacao/ModeloRecuperacao.h"

#include <QtGlobal>

#include <optional>

class ArmazemRecuperacao;
class AutoSalvamento;
class TVandrelPrincForm;

// A hook for the tests that run the editor as a child process, driven by
// DARVELO_TESTE_RECUPERACAO; without it every function here does nothing.
//   "editar:TEXTO"  types TEXTO into A1 of the active workbook, takes one
//                   round of copies at once and prints "autosalvo G T" when
//                   they are on disk (G: milliseconds the round held the
//                   window's thread, T: until written); the editor then runs
//                   on (to be killed).
//   "recuperar", "descartar"  answers the recovery question with that choice
//                   for every copy, printing "oferta N MS" (copies offered,
//                   milliseconds since the program started) once the dialog
//                   shows; then prints one line per window, "janela", title,
//                   file, modified (0/1) and A1, tab-separated, and quits.
class TesteRecuperacao {
public:
    static std::optional<ModeloRecuperacao::Escolha> resposta();
    static void dialogoMostrado(int copias, qint64 milissegundos);
    static void depoisDoInicio(TVandrelPrincForm& principal, AutoSalvamento& autoSalvamento, ArmazemRecuperacao& armazem);
};
