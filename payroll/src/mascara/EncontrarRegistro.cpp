#include "payroll/RotinasEvento.h"

#include "host/HostError.h"
#include "host/TnClientDataSet.h"

#include <QStringList>

namespace payroll {

namespace {

constexpr int kBuscaExata = 2;

// The fields a key addresses: the index fields, or the leading columns when
// the dataset has no index.
host::TnField& campoChave(host::TnClientDataSet& dataset, const QStringList& indice, int posicao)
{
    return posicao < indice.size() ? dataset.FieldByName(indice[posicao].trimmed()) : dataset.Fields(posicao);
}

bool buscarAproximado(host::TnClientDataSet& dataset, int modo, const QVariantList& chave)
{
    const QStringList indice = dataset.GetIndexFieldNames().split(QLatin1Char(';'), Qt::SkipEmptyParts);
    dataset.SetKey();
    for (int i = 0; i < chave.size(); ++i) {
        campoChave(dataset, indice, i).SetValue(chave[i]);
    }
    dataset.SetKeyFieldCount(static_cast<int>(chave.size()));
    return dataset.GotoKeyAproximado(modo);
}

}  // namespace

void EncontrarRegistro(host::TnClientDataSet& dataset, int modo, const QVariantList& chave)
{
    const bool achou = modo == kBuscaExata ? dataset.FindKey(chave) : buscarAproximado(dataset, modo, chave);
    if (!achou) {
        throw host::HostError(QStringLiteral("EncontrarRegistro: Registro não encontrado"));
    }
}

}  // namespace payroll
