#include "src/recuperacao/ModeloRecuperacao.h"

#include <QFileInfo>
#include <QLocale>

#include <algorithm>

ModeloRecuperacao::ModeloRecuperacao(std::vector<CopiaRecuperacao> copias)
{
    // The latest copy first: the one the user most likely misses.
    std::stable_sort(copias.begin(), copias.end(),
                     [](const CopiaRecuperacao& a, const CopiaRecuperacao& b) { return a.hora > b.hora; });
    for (CopiaRecuperacao& copia : copias)
        FLinhas.push_back({std::move(copia), Escolha::Recuperar});
}

void ModeloRecuperacao::escolherTodas(Escolha escolha)
{
    for (Linha& linha : FLinhas)
        linha.escolha = escolha;
}

QString ModeloRecuperacao::titulo(int linha) const
{
    // A saved workbook is titled with its path, shown in full beside it.
    const CopiaRecuperacao& dela = copia(linha);
    return dela.caminho.isEmpty() ? dela.titulo : QFileInfo(dela.caminho).fileName();
}

QString ModeloRecuperacao::arquivoOriginal(int linha) const
{
    const QString& caminho = copia(linha).caminho;
    return caminho.isEmpty() ? QStringLiteral("(nunca salva)") : caminho;
}

QString ModeloRecuperacao::hora(int linha) const
{
    return QLocale().toString(copia(linha).hora, QStringLiteral("dd/MM/yyyy HH:mm:ss"));
}

std::vector<CopiaRecuperacao> ModeloRecuperacao::escolhidas(Escolha escolha) const
{
    std::vector<CopiaRecuperacao> lista;
    for (const Linha& linha : FLinhas)
        if (linha.escolha == escolha)
            lista.push_back(linha.copia);
    return lista;
}
