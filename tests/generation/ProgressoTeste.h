#pragma once

#include "host/ProgressoRoteiro.h"

#include <QString>

// The recording frame, whose user presses cancel when a line containing a
// text arrives for the k-th time: the run's per-record lines repeat, and a
// case needs to stop in the middle of a block.
class ProgressoTeste : public host::ProgressoRoteiro {
public:
    void cancelarNaOcorrencia(const QString& texto, int k)
    {
        FTexto = texto;
        FOcorrencia = k;
        FVistas = 0;
    }

    void IncProgressoTotal(const QString& texto, int n) override
    {
        host::ProgressoRoteiro::IncProgressoTotal(texto, n);
        if (!FTexto.isEmpty() && texto.contains(FTexto) && ++FVistas == FOcorrencia) {
            Cancelar();
        }
    }

    // The lines added with that n, in order.
    QStringList linhasComN(int n) const
    {
        QStringList textos;
        for (const Chamada& chamada : chamadas()) {
            if (chamada.metodo == QLatin1String("IncProgressoTotal") && chamada.argumentos.at(1).toInt() == n) {
                textos << chamada.argumentos.at(0).toString();
            }
        }
        return textos;
    }

private:
    QString FTexto;
    int FOcorrencia = 0;
    int FVistas = 0;
};
