#include "BaseMinima.h"

#include "host/HostError.h"
#include "host/PayrollSchema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString kCompet = QStringLiteral("'2024-01-01'");

void executar(QSqlDatabase& db, const QString& sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql)) {
        throw host::HostError(QStringLiteral("Base mínima: %1\n%2").arg(query.lastError().text(), sql));
    }
}

QStringList insercoes(const std::vector<int>& empresas, const std::vector<BaseMinima::Contrato>& contratos)
{
    QStringList sql;
    for (int empresa : empresas) {
        sql << QStringLiteral("INSERT INTO PERIODOCALCULO (CODIGOEMPRESA, CODIGOPERCALCULO, DESCRPERCALCULO, "
                              "TIPOPERCALCULO, COMPET) VALUES (%1, 1, 'Janeiro', 1, %2)")
                   .arg(empresa)
                   .arg(kCompet);
    }
    for (const BaseMinima::Contrato& c : contratos) {
        sql << QStringLiteral("INSERT INTO FUNCPERCALCULO VALUES (%1, %2, 1, %3)")
                   .arg(c.empresa)
                   .arg(c.funcionario)
                   .arg(kCompet)
            << QStringLiteral("INSERT INTO FUNCLOCAL VALUES (%1, %2, %3, %4, '%5')")
                   .arg(c.empresa)
                   .arg(c.funcionario)
                   .arg(kCompet)
                   .arg(c.estab)
                   .arg(c.organ)
            << QStringLiteral("INSERT INTO CALCULOEVENTO VALUES (%1, %2, 1, 100, 0, 0, %3)")
                   .arg(c.empresa)
                   .arg(c.funcionario)
                   .arg(QString::number(c.valorEvento100, 'g', 15));
    }
    return sql;
}

}  // namespace

BaseMinima::BaseMinima(const std::vector<int>& empresas, const std::vector<Contrato>& contratos)
    : arquivo_(pasta_.filePath(QStringLiteral("minima.sqlite"))), contratos_(contratos)
{
    criar(empresas);
}

QString BaseMinima::conexao() const
{
    return QStringLiteral("sqlite:") + arquivo_;
}

void BaseMinima::criar(const std::vector<int>& empresas) const
{
    const QString nome = QStringLiteral("base-minima-") + arquivo_;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(arquivo_);
        if (!db.open()) {
            throw host::HostError(QStringLiteral("Base mínima: ") + db.lastError().text());
        }
        const QString ddl = host::PayrollSchema::ddl(host::SqlDialect::SQLite);
        for (const QString& sql : ddl.split(QStringLiteral(";\n")) + insercoes(empresas, contratos_)) {
            executar(db, sql);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(nome);
}
