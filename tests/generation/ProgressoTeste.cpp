#include "ProgressoTeste.h"

void ProgressoTeste::cancelarNaOcorrencia(const QString& texto, int k)
{
    FTexto = texto;
    FOcorrencia = k;
    FVistas = 0;
}

void ProgressoTeste::IncProgressoTotal(const QString& texto, int n)
{
    host::ProgressoRoteiro::IncProgressoTotal(texto, n);
    if (!FTexto.isEmpty() && texto.contains(FTexto) && ++FVistas == FOcorrencia) {
        Cancelar();
    }
}

QStringList ProgressoTeste::linhasComN(int n) const
{
    QStringList textos;
    for (const Chamada& chamada : chamadas()) {
        if (chamada.metodo == QLatin1String("IncProgressoTotal") && chamada.argumentos.at(1).toInt() == n) {
            textos << chamada.argumentos.at(0).toString();
        }
    }
    return textos;
}
