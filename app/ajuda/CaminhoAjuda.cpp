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
    // Beside the program, then where an installation under a prefix puts it.
    const QDir programa = QFileInfo(arquivoChm).absoluteDir();
    for (const QString& relativa : {QStringLiteral("ajuda"), QStringLiteral("../share/darvelo-planilhas/ajuda")}) {
        const QString instalada = QDir::cleanPath(programa.filePath(relativa));
        if (QFileInfo::exists(indiceEm(instalada))) {
            return instalada;
        }
    }
    if (!atualizada(pastaCache, dataPrograma)) {
        GeradorAjuda::gerar(pastaCache);
    }
    return pastaCache;
}

QString CaminhoAjuda::guia(const QString& pastaPrograma)
{
    const QString instalado = QDir::cleanPath(QDir(pastaPrograma).filePath(QStringLiteral("../" DARVELO_GUIA_INSTALADO)));
    for (const QString& pasta : {instalado, QStringLiteral(DARVELO_GUIA_FONTES)}) {
        const QString indice = QDir(pasta).filePath(QStringLiteral("index.md"));
        if (QFileInfo::exists(indice)) {
            return indice;
        }
    }
    return {};
}

}  // namespace ajuda
