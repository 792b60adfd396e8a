// "darvelo exemplo" as users and scripts run it: what it writes, when it
// keeps the database, and how it fails.
#include "BancoOraculo.h"
#include "DemoDatabases.h"
#include "ExecucaoModelo.h"
#include "ExecutarDarvelo.h"
#include "PastaExemplo.h"

#include <spreadsheet/DefinedName.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>
#include <spreadsheet/io/WorkbookFile.h>

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFile>
#include <QSqlRecord>
#include <QTemporaryDir>

namespace {

Saida rodarExemplo(const QStringList& argumentos)
{
    return darvelo(QStringList{QStringLiteral("exemplo")} + argumentos);
}

QByteArray resumo(const QString& caminho)
{
    QFile arquivo(caminho);
    arquivo.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(arquivo.readAll(), QCryptographicHash::Sha256);
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
    QStringList valores;
    for (const QSqlRecord& linha : exemplo::testes::BancoOraculo(banco).linhas(sql))
        valores << linha.value(0).toString();
    return valores.join(u';');
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
    const Saida r = rodarExemplo({dir.path(), QStringLiteral("--empresas"), QStringLiteral("3"),
                                 QStringLiteral("--funcionarios"), QStringLiteral("4"), QStringLiteral("--periodos"),
                                 QStringLiteral("2")});
    ASSERT_EQ(r.codigo, 0) << r.err.toStdString();
    const QString banco = dir.filePath(QStringLiteral("folha-demo.sqlite"));
    const auto resumoFolha = spreadsheet::io::WorkbookFile::load(dir.filePath(QStringLiteral("resumo-folha.nxs")));
    const auto rateio = spreadsheet::io::WorkbookFile::load(dir.filePath(QStringLiteral("rateio.nxs")));
    EXPECT_EQ(exemplo::testes::parametroDe(*resumoFolha.workbook, QStringLiteral("Empresas")), QStringLiteral("1..3"));
    EXPECT_EQ(expandir(exemplo::testes::parametroDe(*rateio.workbook, QStringLiteral("Empresas"))),
              primeiraColuna(banco, QStringLiteral("SELECT DISTINCT CODIGOEMPRESA FROM CALCULORATEIO ORDER BY 1")));
    // Two months from November 2023: the preferred January is not there.
    const QString periodo = exemplo::testes::parametroDe(*resumoFolha.workbook, QStringLiteral("PeriodoCalculo"));
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
    ASSERT_EQ(rodarExemplo(pequeno).codigo, 0);
    const QByteArray primeiro = resumo(banco);

    const Saida mantido = rodarExemplo({dir.path()});
    ASSERT_EQ(mantido.codigo, 0) << mantido.err.toStdString();
    EXPECT_TRUE(mantido.out.contains(QStringLiteral("mantido"))) << mantido.out.toStdString();
    EXPECT_EQ(resumo(banco), primeiro);

    const Saida recriado = rodarExemplo(pequeno + QStringList{QStringLiteral("--semente"), QStringLiteral("7")});
    ASSERT_EQ(recriado.codigo, 0) << recriado.err.toStdString();
    EXPECT_TRUE(recriado.out.contains(QStringLiteral("criado"))) << recriado.out.toStdString();
    EXPECT_NE(resumo(banco), primeiro);
}

TEST(ExemploCommandTest, ErrosDeUsoEFalhas)
{
    QTemporaryDir dir;
    for (const QStringList& argumentos : {QStringList{dir.path(), QStringLiteral("--tamanho")},
                                          QStringList{dir.path(), dir.path()},
                                          QStringList{dir.path(), QStringLiteral("--empresas"), QStringLiteral("0")}}) {
        const Saida r = rodarExemplo(argumentos);
        EXPECT_EQ(r.codigo, 2) << argumentos.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("Uso: darvelo exemplo"))) << r.err.toStdString();
    }
    // A file where the folder should be.
    QFile ocupado(dir.filePath(QStringLiteral("ocupado")));
    ASSERT_TRUE(ocupado.open(QIODevice::WriteOnly));
    ocupado.close();
    const Saida r = rodarExemplo({ocupado.fileName()});
    EXPECT_EQ(r.codigo, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Não foi possível criar a pasta"))) << r.err.toStdString();
}

// On a server the database is kept the same way, and no SQLite file is
// written beside the templates.
TEST(ExemploCommandTest, NoPostgreSQLOBancoFicaNoServidor)
{
    DARVELO_REQUIRE_POSTGRES();
    const QString conexao =
        host::testing::DemoDatabases::instance().postgresConnection(QStringLiteral("exemplo_tests"));
    QTemporaryDir dir;
    const Saida mantido = rodarExemplo({dir.path(), QStringLiteral("--banco"), conexao});
    ASSERT_EQ(mantido.codigo, 0) << mantido.err.toStdString();
    EXPECT_TRUE(mantido.out.contains(QStringLiteral("mantido"))) << mantido.out.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("folha-demo.sqlite"))));

    const Saida recriado = rodarExemplo({dir.path(), QStringLiteral("--banco"), conexao, QStringLiteral("--empresas"),
                                        QStringLiteral("2"), QStringLiteral("--funcionarios"), QStringLiteral("3")});
    ASSERT_EQ(recriado.codigo, 0) << recriado.err.toStdString();
    EXPECT_TRUE(recriado.out.contains(QStringLiteral("empresas 1..2"))) << recriado.out.toStdString();
}
