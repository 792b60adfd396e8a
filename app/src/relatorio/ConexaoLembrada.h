#pragma once

#include <host/ConnectionText.h>

#include <QString>

#include <optional>

// The database the editor's reports run on, as the user last chose it. It
// is kept in the user's settings file, never with its password.
class ConexaoLembrada {
public:
    // Empty while the user has chosen none.
    static std::optional<host::ConnectionText> ler();
    static void gravar(const host::ConnectionText& conexao);

    // The demo database and the sample templates that go with it, in the
    // user's data folder.
    static QString pastaDemonstracao();
    static host::ConnectionText demonstracao();
};
