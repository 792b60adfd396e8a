#include "host/FileAssociation.h"

#include "host/HostError.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <array>

namespace host {

namespace {

struct ArquivoAssociacao {
    const char* pasta;
    const char* nome;
    const char* conteudo;
    const char* atualizador;  // the program that rebuilds the desktop's cache
    const char* pastaDoCache;  // the folder that program is given
};

constexpr std::array<ArquivoAssociacao, 2> arquivos{{
    {"applications", "darvelo-planilhas.desktop",
     "[Desktop Entry]\n"
     "Type=Application\n"
     "Name=Darvelo - Editor de Planilhas\n"
     "Exec=darvelo-planilhas %f\n"
     "MimeType=application/x-darvelo-planilha;\n"
     "Terminal=false\n"
     "Categories=Office;Spreadsheet;\n",
     "update-desktop-database", "applications"},
    {"mime/packages", "darvelo-planilhas.xml",
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
     "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
     "  <mime-type type=\"application/x-darvelo-planilha\">\n"
     "    <comment>Planilha do Darvelo</comment>\n"
     "    <glob pattern=\"*.nxs\"/>\n"
     "  </mime-type>\n"
     "</mime-info>\n",
     "update-mime-database", "mime"},
}};

// XDG_DATA_HOME counts only when it is an absolute path.
QString pastaDeDados()
{
    const QString definida = qEnvironmentVariable("XDG_DATA_HOME");
    if (!definida.isEmpty() && QDir::isAbsolutePath(definida)) {
        return definida;
    }
    return QDir::homePath() + QStringLiteral("/.local/share");
}

void gravar(const QString& path, const char* conteudo)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        throw HostError(QStringLiteral("Não foi possível criar a pasta: %1").arg(QFileInfo(path).absolutePath()));
    }
    QSaveFile arquivo(path);
    if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(conteudo) < 0 || !arquivo.commit()) {
        throw HostError(QStringLiteral("Não foi possível gravar o arquivo: %1").arg(path));
    }
}

// The desktop picks the files up without the caches too, only later, so a
// missing or failing program is not an error.
void atualizarCache(const char* programa, const QString& pasta)
{
    const QString executavel = QStandardPaths::findExecutable(QString::fromLatin1(programa));
    if (executavel.isEmpty()) {
        return;
    }
    QProcess processo;
    processo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    processo.start(executavel, {pasta});
    processo.waitForFinished();
}

// An installation puts both files under a system data folder; the user's
// own copies are only for a program run from its build folder.
bool instaladoNoSistema()
{
    QString pastas = qEnvironmentVariable("XDG_DATA_DIRS");
    if (pastas.isEmpty()) {
        pastas = QStringLiteral("/usr/local/share:/usr/share");
    }
    const QStringList lista = pastas.split(u':', Qt::SkipEmptyParts);
    for (const ArquivoAssociacao& item : arquivos) {
        const bool achou = std::any_of(lista.begin(), lista.end(), [&item](const QString& pasta) {
            return QFileInfo::exists(pasta + u'/' + QLatin1String(item.pasta) + u'/' + QLatin1String(item.nome));
        });
        if (!achou) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool AssociateExtensionCheck(bool ativo)
{
    if (!ativo || qEnvironmentVariable("DARVELO_SEM_ASSOCIACAO") == QLatin1String("1") || instaladoNoSistema()) {
        return false;
    }
    const QString base = pastaDeDados();
    bool instalou = false;
    for (const ArquivoAssociacao& item : arquivos) {
        const QString path = base + u'/' + QLatin1String(item.pasta) + u'/' + QLatin1String(item.nome);
        if (QFileInfo::exists(path)) {
            continue;
        }
        gravar(path, item.conteudo);
        atualizarCache(item.atualizador, base + u'/' + QLatin1String(item.pastaDoCache));
        instalou = true;
    }
    return instalou;
}

}  // namespace host
