#include "relatorio/SessaoBanco.h"

#include "host/HostError.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <atomic>

namespace exemplo {

namespace {

std::atomic<int> proximaSessao{0};

}  // namespace

SessaoBanco::SessaoBanco(const host::ConnectionText& texto)
    : FNome(QStringLiteral("darvelo_exemplo_%1").arg(proximaSessao++))
{
    const bool sqlite = texto.dialect == host::SqlDialect::SQLite;
    const QString driver = sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL");
    QSqlDatabase db = QSqlDatabase::addDatabase(driver, FNome);
    texto.applyTo(db);
    if (!db.open()) {
        const QString motivo = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(FNome);
        throw host::HostError(
            QStringLiteral("Não foi possível conectar ao banco de dados (%1): %2").arg(texto.describe(), motivo));
    }
}

SessaoBanco::~SessaoBanco()
{
    QSqlDatabase::database(FNome, false).close();
    QSqlDatabase::removeDatabase(FNome);
}

std::vector<QVariantList> SessaoBanco::linhas(const QString& sql) const
{
    QSqlQuery query(db());
    query.setForwardOnly(true);
    if (!query.exec(sql))
        throw host::HostError(QStringLiteral("Falha ao ler o banco de demonstração: %1").arg(query.lastError().text()));
    std::vector<QVariantList> resultado;
    while (query.next()) {
        QVariantList linha;
        for (int i = 0; i < query.record().count(); ++i)
            linha << query.value(i);
        resultado.push_back(linha);
    }
    return resultado;
}

}  // namespace exemplo
