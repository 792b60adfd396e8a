#pragma once

#include <QString>

#include <functional>
#include <vector>

// The files of one report, written all or nothing: each is written to a
// temporary file beside its target, and only when every one is complete are
// they renamed into place. Temporary files never outlive the object. After a
// Ctrl+C nothing more is written and nothing is put in place.
class SaidaRelatorio {
public:
    using Escrita = std::function<void(const QString& caminhoTemporario)>;

    SaidaRelatorio() = default;
    SaidaRelatorio(const SaidaRelatorio&) = delete;
    SaidaRelatorio& operator=(const SaidaRelatorio&) = delete;
    ~SaidaRelatorio();

    // Writes the file now, under a temporary name.
    void escrever(const QString& destino, const Escrita& escrita);
    // Puts every written file in place of its target, in one short step;
    // false, with nothing in place, when the user cancelled first.
    bool confirmar();
    const std::vector<QString>& destinos() const { return FDestinos; }

private:
    void colocarNoLugar();

    std::vector<QString> FTemporarios;
    std::vector<QString> FDestinos;
};
