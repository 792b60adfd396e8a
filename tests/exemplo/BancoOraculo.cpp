#include "BancoOraculo.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <stdexcept>

namespace exemplo::testes {

BancoOraculo::BancoOraculo(const QString& caminho) : FNome(QStringLiteral("oraculo-exemplo"))
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), FNome);
    db.setDatabaseName(caminho);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open())
        throw std::runtime_error("oráculo: " + db.lastError().text().toStdString());
}

BancoOraculo::~BancoOraculo()
{
    QSqlDatabase::database(FNome, false).close();
    QSqlDatabase::removeDatabase(FNome);
}

std::vector<QSqlRecord> BancoOraculo::linhas(const QString& sql) const
{
    QSqlQuery query(QSqlDatabase::database(FNome, false));
    query.setForwardOnly(true);
    if (!query.exec(sql))
        throw std::runtime_error("oráculo: " + query.lastError().text().toStdString() + "\n" + sql.toStdString());
    std::vector<QSqlRecord> resultado;
    while (query.next())
        resultado.push_back(query.record());
    return resultado;
}

QVariant BancoOraculo::valor(const QString& sql) const
{
    const std::vector<QSqlRecord> resultado = linhas(sql);
    return resultado.empty() ? QVariant() : resultado.front().value(0);
}

QString BancoOraculo::condicaoLista(const QString& coluna, const QString& lista)
{
    QStringList partes;
    for (const QString& item : lista.split(u';', Qt::SkipEmptyParts)) {
        const QStringList limites = item.trimmed().split(QStringLiteral(".."));
        partes << (limites.size() == 2
                       ? QStringLiteral("%1 BETWEEN %2 AND %3").arg(coluna, limites[0].trimmed(), limites[1].trimmed())
                       : QStringLiteral("%1 = %2").arg(coluna, limites[0]));
    }
    return partes.isEmpty() ? QString() : QStringLiteral(" AND (%1)").arg(partes.join(QStringLiteral(" OR ")));
}

QString BancoOraculo::fimDoMes(const QString& data)
{
    return QStringLiteral("date(%1, 'start of month', '+1 month', '-1 day')").arg(data);
}

QString BancoOraculo::localContabil(const QString& empresa, const QString& funcionario, const QString& compet)
{
    return QStringLiteral("(SELECT L.CODIGOLOCALCTB FROM FUNCLOCALCTB L WHERE L.CODIGOEMPRESA = %1"
                          " AND L.CODIGOFUNCCONTR = %2 AND L.DATAOPCAO <= %3 ORDER BY L.DATAOPCAO DESC LIMIT 1)")
        .arg(empresa, funcionario, fimDoMes(compet));
}

}  // namespace exemplo::testes
