#include "relatorio/SaidaRelatorio.h"

#include <spreadsheet/SpreadsheetError.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace relatorio {

SaidaRelatorio::SaidaRelatorio(Vigilancia vigilancia) : FVigilancia(std::move(vigilancia)) {}

SaidaRelatorio::~SaidaRelatorio()
{
    for (const QString& temporario : FTemporarios)
        QFile::remove(temporario);
}

void SaidaRelatorio::escrever(const QString& destino, const Escrita& escrita)
{
    if (FVigilancia.cancelada && FVigilancia.cancelada())
        return;
    const QFileInfo alvo(destino);
    if (!alvo.absoluteDir().exists())
        throw spreadsheet::SpreadsheetError(
            QStringLiteral("A pasta de saída não existe: %1").arg(alvo.absolutePath()));
    QTemporaryFile arquivo(alvo.absoluteDir().filePath(QStringLiteral(".") + alvo.fileName() + QStringLiteral("-XXXXXX")));
    arquivo.setAutoRemove(false);
    if (!arquivo.open())
        throw spreadsheet::SpreadsheetError(
            QStringLiteral("Não foi possível gravar \"%1\": %2").arg(destino, arquivo.errorString()));
    const QString temporario = arquivo.fileName();
    arquivo.close();
    if (FVigilancia.temporarioCriado)
        FVigilancia.temporarioCriado(temporario);
    FTemporarios.push_back(temporario);
    FDestinos.push_back(alvo.absoluteFilePath());
    escrita(temporario);
}

bool SaidaRelatorio::confirmar()
{
    if (FVigilancia.confirmar)
        return FVigilancia.confirmar([this] { colocarNoLugar(); });
    if (FVigilancia.cancelada && FVigilancia.cancelada())
        return false;
    colocarNoLugar();
    return true;
}

void SaidaRelatorio::colocarNoLugar()
{
    for (std::size_t i = 0; i < FTemporarios.size(); ++i) {
        std::error_code erro;
        std::filesystem::rename(FTemporarios[i].toStdString(), FDestinos[i].toStdString(), erro);
        if (erro)
            throw spreadsheet::SpreadsheetError(QStringLiteral("Não foi possível gravar \"%1\": %2")
                                                    .arg(FDestinos[i], QString::fromStdString(erro.message())));
        // The permissions of a fresh report are the user's usual ones, not
        // the private ones of a temporary file.
        QFile::setPermissions(FDestinos[i], QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                                | QFile::ReadOther);
        FTemporarios[i].clear();
    }
    FTemporarios.clear();
}

}  // namespace relatorio
