#include "ajuda/CaminhoAjuda.h"

#include "ajuda/GeradorAjuda.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace ajuda {

namespace {

QString indiceEm(const QString& pasta)
{
    return QDir(pasta).filePath(GeradorAjuda::indice());
}

bool atualizada(const QString& pasta, const QDateTime& dataPrograma)
{
    const QFileInfo indice(indiceEm(pasta));
    return indice.exists() && (!dataPrograma.isValid() || indice.lastModified() >= dataPrograma);
}

}  // namespace

QString CaminhoAjuda::resolver(const QString& arquivoChm)
{
    const QString cache = QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation))
                              .filePath(QStringLiteral("ajuda"));
    return resolver(arquivoChm, cache, QFileInfo(QCoreApplication::applicationFilePath()).lastModified());
}

QString CaminhoAjuda::resolver(const QString& arquivoChm, const QString& pastaCache, const QDateTime& dataPrograma)
{
    const QString instalada = QFileInfo(arquivoChm).absoluteDir().filePath(QStringLiteral("ajuda"));
    if (QFileInfo::exists(indiceEm(instalada))) {
        return instalada;
    }
    if (!atualizada(pastaCache, dataPrograma)) {
        GeradorAjuda::gerar(pastaCache);
    }
    return pastaCache;
}

}  // namespace ajuda
