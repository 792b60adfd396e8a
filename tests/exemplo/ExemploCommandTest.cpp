// "darvelo exemplo" as users and scripts run it: what it writes, when it
// keeps the database, and how it fails.
#include "DemoDatabases.h"
#include "PastaExemplo.h"

#include <spreadsheet/DefinedName.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>
#include <spreadsheet/io/WorkbookFile.h>

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

struct Resultado {
    int codigo;
    QString saida;
    QString erro;
};

Resultado darvelo(const QStringList& argumentos)
{
    QProcess processo;
    processo.start(QStringLiteral(DARVELO_BINARY), QStringList{QStringLiteral("exemplo")} + argumentos);
    processo.waitForFinished(120000);
    return {processo.exitCode(), QString::fromUtf8(processo.readAllStandardOutput()),
            QString::fromUtf8(processo.readAllStandardError())};
}

QByteArray resumo(const QString& caminho)
{
    QFile arquivo(caminho);
    arquivo.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(arquivo.readAll(), QCryptographicHash::Sha256);
}

// The text of the cell a defined name of the workbook refers to.
QString parametro(const spreadsheet::Workbook& pasta, const QString& nome)
{
    const spreadsheet::DefinedName* definido = pasta.findName(nome);
    if (!definido)
        return QStringLiteral("(sem o nome)");
    const auto areas = definido->areas(pasta);
    return areas.empty() ? QString() : areas.front().sheet->text(areas.front().range.top, areas.front().range.left);
}

// "1..3;5" as "1;2;3;5".
QString expandir(const QString& lista)
{
    QStringList codigos;
    for (const QString& item : lista.split(u';')) {
        const QStringList limites = item.split(QStringLiteral(".."));
        for (int c = limites.front().toInt(); c <= limites.back().toInt(); ++c)
            codigos << QString::number(c);
    }
    return codigos.join(u';');
}

QString primeiraColuna(const QString& banco, const QString& sql)
{
    QString resultado;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("teste-exemplo"));
        db.setDatabaseName(banco);
        db.open();
        QSqlQuery query(db);
        query.exec(sql);
        QStringList valores;
        while (query.next())
            valores << query.value(0).toString();
        resultado = valores.join(QLatin1Char(';'));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("teste-exemplo"));
    return resultado;
}

}  // namespace

// A template is a workbook the editor could have made: its three sheets in
// order, and every run parameter a defined name for the value beside its
// label on "Parâmetros".
TEST(ExemploCommandTest, OsModelosSeguemAsConvencoesDoEditor)
{
    const auto& pasta = exemplo::testes::PastaExemplo::instance();
    for (const char* arquivo : {"resumo-folha.nxs", "rateio.nxs", "provisoes.nxs", "cadastro.nxs"}) {
        SCOPED_TRACE(arquivo);
        const auto carregado = spreadsheet::io::WorkbookFile::load(pasta.caminho(QString::fromLatin1(arquivo)));
        const spreadsheet::Workbook& wb = *carregado.workbook;
        ASSERT_EQ(wb.sheetCount(), 3);
        EXPECT_EQ(wb.sheet(0).name(), QStringLiteral("Sheet1"));
        EXPECT_EQ(wb.sheet(1).name(), QStringLiteral("Parâmetros"));
        EXPECT_EQ(wb.sheet(2).name(), QStringLiteral("Leiaute"));
        for (const char* nome : {"Empresas", "PeriodoCalculo", "Filiais", "Funcionarios", "CentroCustos",
                                 "LocalContabil", "Replicacao"}) {
            const spreadsheet::DefinedName* definido = wb.findName(QString::fromLatin1(nome));
            ASSERT_NE(definido, nullptr) << nome;
            const auto areas = definido->areas(wb);
            ASSERT_EQ(areas.size(), 1u) << nome;
            EXPECT_EQ(areas.front().sheet, &wb.sheet(1)) << nome;
            EXPECT_EQ(areas.front().range.left, 1) << nome;
            EXPECT_FALSE(wb.sheet(1).text(areas.front().range.top, 0).isEmpty()) << nome << " sem rótulo";
        }
    }
}

// The templates are made for the database that is there: its companies,
// the companies with apportionment and a monthly period it has.
TEST(ExemploCommandTest, OsParametrosVemDoBanco)
{
    QTemporaryDir dir;
    const Resultado r = darvelo({dir.path(), QStringLiteral("--empresas"), QStringLiteral("3"),
                                 QStringLiteral("--funcionarios"), QStringLiteral("4"), QStringLiteral("--periodos"),
                                 QStringLiteral("2")});
    ASSERT_EQ(r.codigo, 0) << r.erro.toStdString();
    const QString banco = dir.filePath(QStringLiteral("folha-demo.sqlite"));
    const auto resumoFolha = spreadsheet::io::WorkbookFile::load(dir.filePath(QStringLiteral("resumo-folha.nxs")));
    const auto rateio = spreadsheet::io::WorkbookFile::load(dir.filePath(QStringLiteral("rateio.nxs")));
    EXPECT_EQ(parametro(*resumoFolha.workbook, QStringLiteral("Empresas")), QStringLiteral("1..3"));
    EXPECT_EQ(expandir(parametro(*rateio.workbook, QStringLiteral("Empresas"))),
              primeiraColuna(banco, QStringLiteral("SELECT DISTINCT CODIGOEMPRESA FROM CALCULORATEIO ORDER BY 1")));
    // Two months from November 2023: the preferred January is not there.
    const QString periodo = parametro(*resumoFolha.workbook, QStringLiteral("PeriodoCalculo"));
    EXPECT_EQ(primeiraColuna(banco, QStringLiteral("SELECT TIPOPERCALCULO FROM PERIODOCALCULO"
                                                   " WHERE CODIGOEMPRESA = 1 AND CODIGOPERCALCULO = %1")
                                        .arg(periodo)),
              QStringLiteral("1"));
}

TEST(ExemploCommandTest, OBancoSoERecriadoQuandoPedido)
{
    QTemporaryDir dir;
    const QString banco = dir.filePath(QStringLiteral("folha-demo.sqlite"));
    const QStringList pequeno = {dir.path(), QStringLiteral("--funcionarios"), QStringLiteral("3")};
    ASSERT_EQ(darvelo(pequeno).codigo, 0);
    const QByteArray primeiro = resumo(banco);

    const Resultado mantido = darvelo({dir.path()});
    ASSERT_EQ(mantido.codigo, 0) << mantido.erro.toStdString();
    EXPECT_TRUE(mantido.saida.contains(QStringLiteral("mantido"))) << mantido.saida.toStdString();
    EXPECT_EQ(resumo(banco), primeiro);

    const Resultado recriado = darvelo(pequeno + QStringList{QStringLiteral("--semente"), QStringLiteral("7")});
    ASSERT_EQ(recriado.codigo, 0) << recriado.erro.toStdString();
    EXPECT_TRUE(recriado.saida.contains(QStringLiteral("criado"))) << recriado.saida.toStdString();
    EXPECT_NE(resumo(banco), primeiro);
}

TEST(ExemploCommandTest, ErrosDeUsoEFalhas)
{
    QTemporaryDir dir;
    for (const QStringList& argumentos : {QStringList{dir.path(), QStringLiteral("--tamanho")},
                                          QStringList{dir.path(), dir.path()},
                                          QStringList{dir.path(), QStringLiteral("--empresas"), QStringLiteral("0")}}) {
        const Resultado r = darvelo(argumentos);
        EXPECT_EQ(r.codigo, 2) << argumentos.join(u' ').toStdString();
        EXPECT_TRUE(r.erro.contains(QStringLiteral("Uso: darvelo exemplo"))) << r.erro.toStdString();
    }
    // A file where the folder should be.
    QFile ocupado(dir.filePath(QStringLiteral("ocupado")));
    ASSERT_TRUE(ocupado.open(QIODevice::WriteOnly));
    ocupado.close();
    const Resultado r = darvelo({ocupado.fileName()});
    EXPECT_EQ(r.codigo, 1);
    EXPECT_TRUE(r.erro.contains(QStringLiteral("Não foi possível criar a pasta"))) << r.erro.toStdString();
}

// On a server the database is kept the same way, and no SQLite file is
// written beside the templates.
TEST(ExemploCommandTest, NoPostgreSQLOBancoFicaNoServidor)
{
    DARVELO_REQUIRE_POSTGRES();
    const QString conexao =
        host::testing::DemoDatabases::instance().postgresConnection(QStringLiteral("exemplo_tests"));
    QTemporaryDir dir;
    const Resultado mantido = darvelo({dir.path(), QStringLiteral("--banco"), conexao});
    ASSERT_EQ(mantido.codigo, 0) << mantido.erro.toStdString();
    EXPECT_TRUE(mantido.saida.contains(QStringLiteral("mantido"))) << mantido.saida.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("folha-demo.sqlite"))));

    const Resultado recriado = darvelo({dir.path(), QStringLiteral("--banco"), conexao, QStringLiteral("--empresas"),
                                        QStringLiteral("2"), QStringLiteral("--funcionarios"), QStringLiteral("3")});
    ASSERT_EQ(recriado.codigo, 0) << recriado.erro.toStdString();
    EXPECT_TRUE(recriado.saida.contains(QStringLiteral("empresas 1..2"))) << recriado.saida.toStdString();
}
