#include "workbook/ArmazemRecuperacao.h"

#include "host/HostError.h"

#include <spreadsheet/io/PrintSettings.h>
#include <spreadsheet/io/WorkbookFile.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QUuid>

namespace {

const QString kTrava = QStringLiteral(".lock");
const QString kCopia = QStringLiteral(".nxs");
const QString kDescricao = QStringLiteral(".json");

// Beside the folder, made before it and removed after it: whoever sees a
// folder finds its lock. Stale only when its editor is gone, never by age:
// an editor may run for days.
std::unique_ptr<QLockFile> trava(const QString& pasta)
{
    auto arquivo = std::make_unique<QLockFile>(pasta + kTrava);
    arquivo->setStaleLockTime(0);
    return arquivo;
}

QString semExtensao(const QString& arquivo)
{
    return arquivo.left(arquivo.size() - kCopia.size());
}

// QSaveFile: a copy is replaced only once the new one is complete.
void gravarInteiro(const QString& caminho, const QByteArray& conteudo)
{
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(conteudo) != conteudo.size() || !arquivo.commit())
        throw host::HostError(arquivo.errorString());
}

QByteArray descricao(const QString& titulo, const QString& caminho, const QDateTime& hora)
{
    const QJsonObject objeto{{QStringLiteral("titulo"), titulo},
                             {QStringLiteral("caminho"), caminho},
                             {QStringLiteral("hora"), hora.toUTC().toString(Qt::ISODateWithMs)}};
    return QJsonDocument(objeto).toJson();
}

}  // namespace

QString ArmazemRecuperacao::raizPadrao()
{
    QString estado = qEnvironmentVariable("XDG_STATE_HOME");
    if (estado.isEmpty() || QDir::isRelativePath(estado))
        estado = QDir::home().filePath(QStringLiteral(".local/state"));
    return QDir(estado).filePath(QStringLiteral("Darvelo/recuperacao"));
}

ArmazemRecuperacao::ArmazemRecuperacao(const QString& raiz) : FRaiz(raiz)
{
    FEscrita.setMaxThreadCount(1);
    const QString nome = QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid())
                             .arg(QUuid::createUuid().toString(QUuid::Id128).left(8));
    FPasta = QDir(raiz).filePath(nome);
    FTrava = trava(FPasta);
    if (!QDir().mkpath(raiz) || !FTrava->tryLock(0))
        throw host::HostError(QStringLiteral("Não foi possível travar a pasta de recuperação \"%1\".").arg(FPasta));
    if (!QDir().mkpath(FPasta))
        throw host::HostError(QStringLiteral("Não foi possível criar a pasta de recuperação \"%1\".").arg(FPasta));
}

ArmazemRecuperacao::~ArmazemRecuperacao()
{
    FEscrita.waitForDone();
    concluir();
    QDir(FPasta).removeRecursively();
    FTrava->unlock();
}

QString ArmazemRecuperacao::arquivo(const QString& id) const
{
    return QDir(FPasta).filePath(id + kCopia);
}

void ArmazemRecuperacao::gravar(const QString& id, const spreadsheet::Workbook& workbook,
                                const spreadsheet::io::PrintSettings& impressao, const QString& titulo,
                                const QString& caminho)
{
    // The workbook goes on changing on the editor's thread: only its bytes
    // cross over.
    QByteArray conteudo;
    QBuffer buffer(&conteudo);
    buffer.open(QIODevice::WriteOnly);
    spreadsheet::io::WorkbookFile::writeNative(workbook, buffer);
    impressao.write(buffer);
    QByteArray sobre = descricao(titulo, caminho, QDateTime::currentDateTime());
    const QString destino = arquivo(id);
    FEscrita.start([this, destino, titulo, conteudo = std::move(conteudo), sobre = std::move(sobre)] {
        try {
            gravarInteiro(destino, conteudo);
            gravarInteiro(semExtensao(destino) + kDescricao, sobre);
        } catch (const host::HostError& erro) {
            emit falhou(QStringLiteral("Não foi possível gravar a cópia de recuperação de \"%1\": %2")
                            .arg(titulo, erro.message()));
        }
    });
}

void ArmazemRecuperacao::remover(const QString& id)
{
    const QString destino = arquivo(id);
    FEscrita.start([destino] {
        QFile::remove(semExtensao(destino) + kDescricao);
        QFile::remove(destino);
    });
}

void ArmazemRecuperacao::aguardar()
{
    FEscrita.waitForDone();
}

std::vector<CopiaRecuperacao> ArmazemRecuperacao::copias() const
{
    return lerPasta(FPasta);
}

// A copy counts once its sidecar exists, which is written after it.
std::vector<CopiaRecuperacao> ArmazemRecuperacao::lerPasta(const QString& pasta)
{
    std::vector<CopiaRecuperacao> lista;
    const QDir dir(pasta);
    for (const QString& nome : dir.entryList({QStringLiteral("*") + kDescricao}, QDir::Files, QDir::Name)) {
        QFile arquivo(dir.filePath(nome));
        if (!arquivo.open(QIODevice::ReadOnly))
            continue;
        const QJsonObject objeto = QJsonDocument::fromJson(arquivo.readAll()).object();
        CopiaRecuperacao copia;
        copia.arquivo = dir.filePath(nome.left(nome.size() - kDescricao.size()) + kCopia);
        copia.caminho = objeto.value(QStringLiteral("caminho")).toString();
        copia.titulo = objeto.value(QStringLiteral("titulo")).toString();
        copia.hora = QDateTime::fromString(objeto.value(QStringLiteral("hora")).toString(), Qt::ISODateWithMs).toLocalTime();
        if (QFile::exists(copia.arquivo))
            lista.push_back(std::move(copia));
    }
    return lista;
}

std::vector<CopiaRecuperacao> ArmazemRecuperacao::abandonadas()
{
    std::vector<CopiaRecuperacao> lista;
    const QDir raiz(FRaiz);
    for (const QString& nome : raiz.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString pasta = raiz.filePath(nome);
        if (pasta == FPasta)
            continue;
        if (!FReclamadas.count(pasta)) {
            std::unique_ptr<QLockFile> outra = trava(pasta);
            if (!outra->tryLock(0))
                continue;  // its editor is running
            FReclamadas[pasta] = std::move(outra);
        }
        for (CopiaRecuperacao& copia : lerPasta(pasta))
            lista.push_back(std::move(copia));
    }
    return lista;
}

void ArmazemRecuperacao::adotar(const CopiaRecuperacao& copia, const QString& id)
{
    const QString destino = arquivo(id);
    remover(id);
    aguardar();
    if (!QFile::rename(copia.arquivo, destino))
        throw host::HostError(QStringLiteral("Não foi possível mover a cópia de recuperação \"%1\".").arg(copia.arquivo));
    QFile::rename(semExtensao(copia.arquivo) + kDescricao, semExtensao(destino) + kDescricao);
}

void ArmazemRecuperacao::descartar(const CopiaRecuperacao& copia)
{
    QFile::remove(semExtensao(copia.arquivo) + kDescricao);
    QFile::remove(copia.arquivo);
}

void ArmazemRecuperacao::concluir()
{
    for (auto& [pasta, travaDela] : FReclamadas) {
        if (lerPasta(pasta).empty())
            QDir(pasta).removeRecursively();
        travaDela->unlock();
    }
    FReclamadas.clear();
}
