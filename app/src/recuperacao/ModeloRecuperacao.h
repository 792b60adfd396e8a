#pragma once

#include "workbook/CopiaRecuperacao.h"

#include <vector>

// What the recovery dialog offers and what the user chose: one row per copy
// left by an editor that did not end normally, each to be recovered (the
// default, so that nothing is lost by a hasty confirmation) or discarded.
class ModeloRecuperacao {
public:
    enum class Escolha { Recuperar, Descartar };

    explicit ModeloRecuperacao(std::vector<CopiaRecuperacao> copias);

    int quantidade() const { return static_cast<int>(FLinhas.size()); }
    const CopiaRecuperacao& copia(int linha) const { return FLinhas.at(linha).copia; }
    Escolha escolha(int linha) const { return FLinhas.at(linha).escolha; }
    void escolher(int linha, Escolha escolha) { FLinhas.at(linha).escolha = escolha; }
    void escolherTodas(Escolha escolha);

    // The texts of a row: the workbook's title (its file's name once saved), its file ("nunca salva" when
    // it had none) and when the copy was taken.
    QString titulo(int linha) const;
    QString arquivoOriginal(int linha) const;
    QString hora(int linha) const;

    std::vector<CopiaRecuperacao> escolhidas(Escolha escolha) const;

private:
    struct Linha {
        CopiaRecuperacao copia;
        Escolha escolha = Escolha::Recuperar;
    };
    std::vector<Linha> FLinhas;
};
