#include "src/relatorio/ConexaoLembrada.h"

#include "relatorio/ModelosExemplo.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

QSettings configuracao()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Darvelo"), QStringLiteral("Darvelo"));
}

const QString kGrupo = QStringLiteral("Relatorio");

}  // namespace

std::optional<host::ConnectionText> ConexaoLembrada::ler()
{
    QSettings arquivo = configuracao();
    arquivo.beginGroup(kGrupo);
    const QString tipo = arquivo.value(QStringLiteral("Banco")).toString();
    host::ConnectionText conexao;
    if (tipo == QLatin1String("sqlite")) {
        conexao.path = arquivo.value(QStringLiteral("Arquivo")).toString();
        return conexao;
    }
    if (tipo != QLatin1String("postgresql"))
        return std::nullopt;
    conexao.dialect = host::SqlDialect::PostgreSQL;
    conexao.host = arquivo.value(QStringLiteral("Servidor")).toString();
    conexao.port = arquivo.value(QStringLiteral("Porta"), -1).toInt();
    conexao.database = arquivo.value(QStringLiteral("NomeBanco")).toString();
    conexao.user = arquivo.value(QStringLiteral("Usuario")).toString();
    return conexao;
}

void ConexaoLembrada::gravar(const host::ConnectionText& conexao)
{
    QSettings arquivo = configuracao();
    arquivo.remove(kGrupo);
    arquivo.beginGroup(kGrupo);
    if (conexao.dialect == host::SqlDialect::SQLite) {
        arquivo.setValue(QStringLiteral("Banco"), QStringLiteral("sqlite"));
        arquivo.setValue(QStringLiteral("Arquivo"), conexao.path);
    } else {
        arquivo.setValue(QStringLiteral("Banco"), QStringLiteral("postgresql"));
        arquivo.setValue(QStringLiteral("Servidor"), conexao.host);
        arquivo.setValue(QStringLiteral("Porta"), conexao.port);
        arquivo.setValue(QStringLiteral("NomeBanco"), conexao.database);
        arquivo.setValue(QStringLiteral("Usuario"), conexao.user);
    }
    arquivo.endGroup();
    arquivo.sync();
}

QString ConexaoLembrada::pastaDemonstracao()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Darvelo/exemplo"));
}

host::ConnectionText ConexaoLembrada::demonstracao()
{
    host::ConnectionText conexao;
    conexao.path = QDir(pastaDemonstracao()).filePath(exemplo::kArquivoBanco);
    return conexao;
}
