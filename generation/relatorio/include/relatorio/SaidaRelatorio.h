#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace relatorio {

// Who may stop the writing of a report, and when. The batch command wires
// Ctrl+C here; an empty member means that no one does.
struct Vigilancia {
    // Once true, nothing more is written and nothing is put in place.
    std::function<bool()> cancelada;
    // Told of every temporary file as it is made, for an emergency exit.
    std::function<void(const QString& caminho)> temporarioCriado;
    // Runs the putting in place unless the writing was stopped first, and
    // says whether it ran.
    std::function<bool(const std::function<void()>& colocar)> confirmar;
};

// The files of one report, written all or nothing: each is written to a
// temporary file beside its target, and only when every one is complete are
// they renamed into place. Temporary files never outlive the object.
class SaidaRelatorio {
public:
    using Escrita = std::function<void(const QString& caminhoTemporario)>;

    explicit SaidaRelatorio(Vigilancia vigilancia = {});
    SaidaRelatorio(const SaidaRelatorio&) = delete;
    SaidaRelatorio& operator=(const SaidaRelatorio&) = delete;
    ~SaidaRelatorio();

    // Writes the file now, under a temporary name.
    void escrever(const QString& destino, const Escrita& escrita);
    // Puts every written file in place of its target, in one short step;
    // false, with nothing in place, when the writing was stopped first.
    bool confirmar();
    const std::vector<QString>& destinos() const { return FDestinos; }

private:
    void colocarNoLugar();

    Vigilancia FVigilancia;
    std::vector<QString> FTemporarios;
    std::vector<QString> FDestinos;
};

}  // namespace relatorio
