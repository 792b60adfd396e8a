#pragma once

#include <QApplication>

#include <concepts>
#include <exception>
#include <functional>

// The editor's application object. An error that a command raises while the
// event loop runs is shown to the user with its text, and the program goes
// on.
class Aplicacao : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override;

    // Runs entrega; an error it raises is shown and gives false.
    static bool mostrandoErros(const std::function<bool()>& entrega);
    // A menu command for a signal: its error is shown inside the slot. An
    // exception must not cross the frames of Qt's signal dispatch, which is
    // not built to let one through and leaks or worse when it does.
    // The slot takes whatever of the signal's arguments funcao takes.
    template <typename Funcao>
    static auto comando(Funcao funcao)
    {
        return [funcao](const auto&... argumentos) -> void
                   requires std::invocable<const Funcao&, decltype(argumentos)...>
        { mostrandoErros([&] { funcao(argumentos...); return true; }); };
    }
    template <typename Objeto>
    static auto comando(Objeto* objeto, void (Objeto::*metodo)())
    {
        return comando([objeto, metodo] { (objeto->*metodo)(); });
    }
    // The text an error carries for the user.
    static QString mensagemDe(const std::exception& erro);
    // Qt's own dialogs, buttons and context menus speak Brazilian
    // Portuguese. False when the translations are not installed.
    static bool instalarTraducoes();
    // The program's own icon on its windows, and the desktop entry it
    // belongs to, so that the task bar shows the same icon as the menu.
    static void instalarIcone();
};
