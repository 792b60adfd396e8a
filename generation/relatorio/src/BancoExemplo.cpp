#include "relatorio/BancoExemplo.h"

#include "host/HostError.h"

#include <QDate>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

#include <atomic>
#include <vector>

namespace exemplo {

namespace {

// The demo's fixed cases (employee 100's vacation, transfers around it)
// fall in January 2024, so a template run on it finds data in every column.
const QDate kCompetenciaPreferida(2024, 1, 1);

// A connection of its own to the database, removed with the object.
class Sessao {
public:
    explicit Sessao(const host::ConnectionText& texto) : FNome(QStringLiteral("darvelo_exemplo_%1").arg(FProxima++))
    {
        const bool sqlite = texto.dialect == host::SqlDialect::SQLite;
        const QString driver = sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL");
        QSqlDatabase db = QSqlDatabase::addDatabase(driver, FNome);
        if (sqlite) {
            db.setDatabaseName(texto.path);
        } else {
            db.setHostName(texto.host);
            if (texto.port > 0)
                db.setPort(texto.port);
            db.setUserName(texto.user);
            db.setPassword(texto.password);
            db.setDatabaseName(texto.database);
            db.setConnectOptions(texto.options);
        }
        if (!db.open()) {
            const QString motivo = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(FNome);
            throw host::HostError(
                QStringLiteral("Não foi possível conectar ao banco de dados (%1): %2").arg(texto.describe(), motivo));
        }
    }
    ~Sessao()
    {
        QSqlDatabase::database(FNome, false).close();
        QSqlDatabase::removeDatabase(FNome);
    }
    Sessao(const Sessao&) = delete;
    Sessao& operator=(const Sessao&) = delete;

    QSqlDatabase db() const { return QSqlDatabase::database(FNome, false); }

    std::vector<QVariantList> linhas(const QString& sql) const
    {
        QSqlQuery query(db());
        query.setForwardOnly(true);
        if (!query.exec(sql))
            throw host::HostError(
                QStringLiteral("Falha ao ler o banco de demonstração: %1").arg(query.lastError().text()));
        std::vector<QVariantList> resultado;
        while (query.next()) {
            QVariantList linha;
            for (int i = 0; i < query.record().count(); ++i)
                linha << query.value(i);
            resultado.push_back(linha);
        }
        return resultado;
    }

private:
    static inline std::atomic<int> FProxima{0};
    QString FNome;
};

// Codes in ascending order as an inclusion list: runs become ranges.
QString listaInclusao(const std::vector<QVariantList>& linhas)
{
    QStringList partes;
    std::size_t i = 0;
    while (i < linhas.size()) {
        const int inicio = linhas[i].front().toInt();
        int fim = inicio;
        while (i + 1 < linhas.size() && linhas[i + 1].front().toInt() == fim + 1) {
            ++fim;
            ++i;
        }
        partes << (fim == inicio ? QString::number(inicio) : QStringLiteral("%1..%2").arg(inicio).arg(fim));
        ++i;
    }
    return partes.join(QLatin1Char(';'));
}

QString periodoMensal(const std::vector<QVariantList>& periodos)
{
    for (const QVariantList& periodo : periodos) {
        if (periodo[1].toDate() == kCompetenciaPreferida)
            return periodo[0].toString();
    }
    return periodos.back()[0].toString();
}

}  // namespace

BancoExemplo::BancoExemplo(const QString& conexao) : FTexto(host::ConnectionText::parse(conexao)) {}

bool BancoExemplo::existe() const
{
    if (FTexto.dialect == host::SqlDialect::SQLite)
        return QFileInfo::exists(FTexto.path);
    const Sessao sessao(FTexto);
    QSqlQuery query(sessao.db());
    return query.exec(QStringLiteral("SELECT 1 FROM PERIODOCALCULO")) && query.next();
}

void BancoExemplo::criar(const host::DemoDataOptions& opcoes) const
{
    if (FTexto.dialect == host::SqlDialect::SQLite) {
        host::DemoDataGenerator::criarSqlite(FTexto.path, opcoes);
        return;
    }
    const Sessao sessao(FTexto);
    QSqlDatabase db = sessao.db();
    host::DemoDataGenerator::gerar(db, FTexto.dialect, opcoes);
}

ParametrosExemplo BancoExemplo::parametros() const
{
    const Sessao sessao(FTexto);
    const auto empresas = sessao.linhas(QStringLiteral("SELECT CODIGOEMPRESA FROM EMPRESA ORDER BY 1"));
    if (empresas.empty())
        throw host::HostError(QStringLiteral("O banco %1 não tem empresas.").arg(descricao()));
    auto rateio = sessao.linhas(QStringLiteral("SELECT DISTINCT CODIGOEMPRESA FROM CALCULORATEIO ORDER BY 1"));
    const auto periodos = sessao.linhas(QStringLiteral("SELECT CODIGOPERCALCULO, COMPET FROM PERIODOCALCULO"
                                                       " WHERE CODIGOEMPRESA = %1 AND TIPOPERCALCULO = 1"
                                                       " ORDER BY COMPET")
                                            .arg(empresas.front().front().toInt()));
    if (periodos.empty())
        throw host::HostError(QStringLiteral("O banco %1 não tem períodos de cálculo mensais.").arg(descricao()));
    // A database without apportionment still gets a company list the run
    // accepts; its apportionment blocks then stay unreplicated.
    if (rateio.empty())
        rateio.push_back(empresas.front());
    return {listaInclusao(empresas), listaInclusao(rateio), periodoMensal(periodos)};
}

}  // namespace exemplo
