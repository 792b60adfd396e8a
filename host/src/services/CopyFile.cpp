#include "host/TnDialogos.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

namespace host {

namespace {

bool copiarConteudo(QFile& origem, QFileDevice& destino)
{
    constexpr qint64 tamanhoBloco = 256 * 1024;
    while (!origem.atEnd()) {
        const QByteArray bloco = origem.read(tamanhoBloco);
        if (bloco.isEmpty() || destino.write(bloco) != bloco.size()) {
            return false;
        }
    }
    return origem.error() == QFileDevice::NoError;
}

// The rename refuses an existing destination in one step, so a file that
// appears meanwhile is not replaced either.
bool copiarSemSubstituir(QFile& origem, const QString& destino)
{
    QTemporaryFile temporario(QFileInfo(destino).absolutePath() + QStringLiteral("/.darvelo-copia.XXXXXX"));
    if (!temporario.open() || !copiarConteudo(origem, temporario) || !temporario.flush()) {
        return false;
    }
    temporario.setPermissions(origem.permissions());
    if (!temporario.rename(destino)) {
        return false;
    }
    // Once renamed, the temporary file is the copy: it must outlive this object.
    temporario.setAutoRemove(false);
    return true;
}

bool copiarSubstituindo(QFile& origem, const QString& destino)
{
    QSaveFile saida(destino);
    if (!saida.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (!copiarConteudo(origem, saida)) {
        saida.cancelWriting();
        saida.commit();
        return false;
    }
    if (!saida.commit()) {
        return false;
    }
    QFile::setPermissions(destino, origem.permissions());
    return true;
}

}  // namespace

bool CopyFile(const QString& origem, const QString& destino, bool falharSeExiste)
{
    if (destino.isEmpty() || !QFileInfo(origem).isFile()) {
        return false;
    }
    QFile entrada(origem);
    if (!entrada.open(QIODevice::ReadOnly)) {
        return false;
    }
    if (falharSeExiste) {
        return !QFileInfo::exists(destino) && copiarSemSubstituir(entrada, destino);
    }
    return copiarSubstituindo(entrada, destino);
}

}  // namespace host
