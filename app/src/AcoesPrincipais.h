#pragma once

#include <QString>

#include <span>

class TVandrelPrincForm;

// When an action of the main window is enabled.
enum class Habilitacao {
    Padrao,          // enabled when it has a command
    SempreAtiva,     // AlwaysEnabled
    ForaDaEdicao,    // IsEditorMode: only while no cell is being edited
    Salvar,          // the Save button: only with unsaved changes
    Desfazer,        // something to undo, no cell being edited
    Refazer,         // something to redo, no cell being edited
    Janela,          // the window commands: with a workbook window
};

// One command of the main window's action list.
struct AcaoPrincipal {
    const char* nome;
    const char* rotulo;   // caption; empty for toolbar-only actions
    const char* dica;     // hint
    const char* atalho;   // shortcut in Qt's portable text form
    // The key users of other spreadsheet editors expect, where the action
    // has no shortcut of its own.
    const char* teclaUsual;
    Habilitacao habilitacao;
    bool oculta;          // shown on no menu
    bool marcavel;        // carries a check mark
    // What it does; an action without one stays disabled.
    void (TVandrelPrincForm::*comando)() = nullptr;
};

// The action list alMain, in the order of its table; the formula and break
// commands come from the catalogue tables.
std::span<const AcaoPrincipal> acoesPrincipais();
