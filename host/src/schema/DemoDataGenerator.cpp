#include "host/DemoDataGenerator.h"

#include "DemoCadastros.h"
#include "DemoCalculo.h"
#include "DemoEmpresas.h"
#include "DemoFuncionarios.h"
#include "DemoModel.h"
#include "DemoProvisoes.h"

#include "host/HostError.h"
#include "host/PayrollSchema.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>
#include <filesystem>

namespace host {

namespace {

void executar(QSqlDatabase& db, const QString& sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql)) {
        throw HostError(
            QStringLiteral("Falha ao criar a base de demonstração: %1\n%2").arg(query.lastError().text(), sql));
    }
}

// Rolls back unless committed, so that a failure leaves the database as it was.
class Transacao {
public:
    explicit Transacao(QSqlDatabase& db) : db_(db)
    {
        if (!db_.transaction()) {
            throw HostError(
                QStringLiteral("Falha ao iniciar a transação da base de demonstração: %1").arg(db_.lastError().text()));
        }
    }
    ~Transacao()
    {
        if (!committed_) {
            db_.rollback();
        }
    }
    Transacao(const Transacao&) = delete;
    Transacao& operator=(const Transacao&) = delete;

    void commit()
    {
        if (!db_.commit()) {
            throw HostError(QStringLiteral("Falha ao gravar a base de demonstração: %1").arg(db_.lastError().text()));
        }
        committed_ = true;
    }

private:
    QSqlDatabase& db_;
    bool committed_ = false;
};

// A connection of its own to the file being built; removed with the object.
class ConexaoSqlite {
public:
    explicit ConexaoSqlite(const QString& path) : name_(QStringLiteral("darvelo_demo_%1").arg(next_++))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        if (!db.open()) {
            const QString message = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name_);
            throw HostError(QStringLiteral("Não foi possível criar o arquivo %1: %2").arg(path, message));
        }
    }
    ~ConexaoSqlite()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(name_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name_);
    }
    ConexaoSqlite(const ConexaoSqlite&) = delete;
    ConexaoSqlite& operator=(const ConexaoSqlite&) = delete;

    QSqlDatabase database() const { return QSqlDatabase::database(name_, false); }

private:
    static inline std::atomic<int> next_{0};
    QString name_;
};

void recriarTabelas(QSqlDatabase& db, SqlDialect dialect)
{
    if (dialect == SqlDialect::PostgreSQL) {
        // Dropping a table that is not there yet is expected, not news.
        executar(db, QStringLiteral("SET LOCAL client_min_messages TO WARNING"));
    }
    const QStringList tabelas = PayrollSchema::tableNames();
    for (auto it = tabelas.crbegin(); it != tabelas.crend(); ++it) {
        executar(db, QStringLiteral("DROP TABLE IF EXISTS %1").arg(*it));
    }
    for (const QString& statement : PayrollSchema::ddl(dialect).split(QStringLiteral(";\n"))) {
        executar(db, statement);
    }
}

void removerSeExistir(const QString& path)
{
    if (QFile::exists(path) && !QFile::remove(path)) {
        throw HostError(QStringLiteral("Não foi possível remover o arquivo %1.").arg(path));
    }
}

// The file is only a draft until it is renamed: a crash leaves a .tmp to
// throw away, never a damaged database at the path, so the journal that
// protects a half-written file is not needed.
void gerarArquivo(const QString& rascunho, const DemoDataOptions& options)
{
    ConexaoSqlite conexao(rascunho);
    QSqlDatabase db = conexao.database();
    executar(db, QStringLiteral("PRAGMA journal_mode = OFF"));
    executar(db, QStringLiteral("PRAGMA synchronous = OFF"));
    DemoDataGenerator::gerar(db, SqlDialect::SQLite, options);
}

}  // namespace

void DemoDataGenerator::gerar(QSqlDatabase& db, SqlDialect dialect, const DemoDataOptions& options)
{
    const demo::DemoModel model = demo::DemoModel::build(options);
    Transacao transacao(db);
    recriarTabelas(db, dialect);
    demo::DemoCadastros::gravar(db, dialect);
    demo::DemoEmpresas::gravar(db, dialect, model);
    demo::DemoFuncionarios::gravar(db, dialect, model);
    demo::DemoCalculo::gravar(db, dialect, model);
    demo::DemoProvisoes::gravar(db, dialect, model);
    // New tables have no statistics until the database gets round to them;
    // the payroll queries should be planned on the real row counts at once.
    for (const QString& tabela : PayrollSchema::tableNames()) {
        executar(db, QStringLiteral("ANALYZE %1").arg(tabela));
    }
    transacao.commit();
}

void DemoDataGenerator::criarSqlite(const QString& path, const DemoDataOptions& options)
{
    const QString rascunho = path + QStringLiteral(".tmp");
    removerSeExistir(rascunho);
    try {
        gerarArquivo(rascunho, options);
    } catch (...) {
        QFile::remove(rascunho);
        throw;
    }
    std::error_code erro;
    std::filesystem::rename(std::filesystem::path(rascunho.toStdU16String()),
                            std::filesystem::path(path.toStdU16String()), erro);
    if (erro) {
        QFile::remove(rascunho);
        throw HostError(QStringLiteral("Não foi possível gravar o arquivo %1: %2")
                            .arg(path, QString::fromLocal8Bit(erro.message())));
    }
}

}  // namespace host
