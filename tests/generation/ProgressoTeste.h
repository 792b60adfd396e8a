#pragma once

#include "host/ProgressoRoteiro.h"

#include <QString>

// The recording frame, whose user presses cancel when a line containing a
// text arrives for the k-th time: the run's per-record lines repeat, and a
// case needs to stop in the middle of a block.
class ProgressoTeste : public host::ProgressoRoteiro {
public:
    void cancelarNaOcorrencia(const QString& texto, int k);

    void IncProgressoTotal(const QString& texto, int n) override;

    // The lines added with that n, in order.
    QStringList linhasComN(int n) const;

private:
    QString FTexto;
    int FOcorrencia = 0;
    int FVistas = 0;
};
