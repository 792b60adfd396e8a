#include "MascaraBancoTeste.h"

#include "DemoDatabases.h"

#include "payroll/OpcoesSistema.h"

#include "host/QueryServices.h"
#include "host/TnClientDataSet.h"
#include "host/TnConfig.h"
#include "host/TnDMSQLDataSet.h"

#include <QLocale>

void MascaraBancoTeste::SetUpTestSuite()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
}

void MascaraBancoTeste::SetUp()
{
    auto& bancos = host::testing::DemoDatabases::instance();
    const bool postgres = QLatin1String(GetParam()) == QLatin1String("postgres");
    const QString conexao = postgres ? bancos.postgresConnection(QStringLiteral("darvelo_payroll_mascara_test"))
                                     : bancos.sqliteConnection();
    if (conexao.isEmpty()) {
        GTEST_SKIP() << "PostgreSQL NOT TESTED: set DARVELO_PG_TEST to a test server's connection";
    }
    host::TnDMSQLDataSet::Conectar(conexao);
    payroll::OpcoesSistema::Redefinir();
    host::nConfig().definir(QStringLiteral("gCodigoEmpresa"), QStringLiteral("1"));
    host::nConfig().definir(QStringLiteral("gHoraCent"), QStringLiteral("0"));
    host::nConfig().definir(QStringLiteral("gArrendCentHora"), QStringLiteral("0"));
}

void MascaraBancoTeste::TearDown()
{
    host::nConfig().redefinir();
    payroll::OpcoesSistema::Redefinir();
    if (host::TnDMSQLDataSet::Conectado()) {
        host::TnDMSQLDataSet::Desconectar();
    }
}

QVariant MascaraBancoTeste::valorSql(const QString& sql)
{
    auto dataset = host::ExecutarSQL(host::PegarSQL(sql));
    return dataset->IsEmpty() ? QVariant() : dataset->Fields(0).Value();
}

int MascaraBancoTeste::inteiroSql(const QString& sql)
{
    const QVariant valor = valorSql(sql);
    EXPECT_TRUE(valor.isValid()) << sql.toStdString();
    return valor.toInt();
}

int MascaraBancoTeste::sindicato(int empresa, int funcionario)
{
    return inteiroSql(QStringLiteral("select CodigoSind from FuncSindicato where CodigoEmpresa = %1 and "
                                     "CodigoFuncContr = %2 order by DataInicial desc limit 1")
                          .arg(empresa)
                          .arg(funcionario));
}

int MascaraBancoTeste::tipoQuebraCaixa(int empresa, int funcionario)
{
    return inteiroSql(QStringLiteral("select TipoQuebraCaixa from SindConvencao where CodigoSind = %1 "
                                     "order by DataInicial desc limit 1")
                          .arg(sindicato(empresa, funcionario)));
}

int MascaraBancoTeste::tipoContribuicao(int empresa, int funcionario, int contribSind)
{
    return inteiroSql(QStringLiteral("select TipoContrib from SindContrib where CodigoSind = %1 and ContribSind = %2 "
                                     "order by DataInicial desc limit 1")
                          .arg(sindicato(empresa, funcionario))
                          .arg(contribSind));
}

QString MascaraBancoTeste::horas(qint64 minutos)
{
    return QStringLiteral("%1:%2")
        .arg(minutos / 60, 3, 10, QLatin1Char('0'))
        .arg(minutos % 60, 2, 10, QLatin1Char('0'));
}

QString MascaraBancoTeste::numero(double valor, int decimais)
{
    return QLocale().toString(valor, 'f', decimais);
}

INSTANTIATE_TEST_SUITE_P(Bancos, MascaraBancoTeste, ::testing::Values("sqlite", "postgres"),
                         [](const auto& info) { return std::string(info.param); });
