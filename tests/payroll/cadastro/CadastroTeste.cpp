#include "CadastroTeste.h"

#include "DemoDatabases.h"

#include "catalog/RegistroFuncoes.h"

#include "host/QueryServices.h"
#include "host/TnClientDataSet.h"
#include "host/TnDMSQLDataSet.h"

#include <QLocale>

void CadastroTeste::SetUpTestSuite()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    catalog::RegistrarTodasFuncoes();
}

QString CadastroTeste::conexao() const { return host::testing::DemoDatabases::instance().sqliteConnection(); }

void CadastroTeste::SetUp()
{
    const QString texto = conexao();
    if (texto.isEmpty()) {
        GTEST_SKIP() << "PostgreSQL NOT TESTED: set DARVELO_PG_TEST to a test "
                        "server's connection";
    }
    host::TnDMSQLDataSet::Conectar(texto);
    folha = &wb.addSheet();
    dm.SetcxSpreadSheetBook(&wb);
    wb.setTag(&dm);
    dm.FCodigoEmpresa = 1;
    dm.FCodigoEmpresaBase = 1;
    dm.FEmpresas = QStringLiteral("1..4");
    dm.FPeriodoCalculo = QStringLiteral("3");
}

void CadastroTeste::TearDown()
{
    wb.setTag(nullptr);
    dm.DestruirCursores();
    host::TnDMSQLDataSet::Desconectar();
}

spreadsheet::Value CadastroTeste::avaliar(const QString& formula)
{
    folha->setText(0, 0, QStringLiteral("=") + formula);
    wb.calculate();
    return folha->value(0, 0);
}

QString CadastroTeste::falha() const
{
    const auto& falhas = wb.calculationFailures();
    return falhas.empty() ? QString() : falhas.back().message;
}

QVariant CadastroTeste::valorSql(const QString& sql)
{
    auto dataset = host::ExecutarSQL(host::PegarSQL(sql));
    return dataset->IsEmpty() ? QVariant() : dataset->Fields(0).Value();
}

QString CadastroTeste::textoSql(const QString& sql)
{
    auto dataset = host::ExecutarSQL(host::PegarSQL(sql));
    return dataset->IsEmpty() ? QString() : dataset->Fields(0).AsString();
}

void CadastroTeste::novaExecucao() { dm.DestruirCursores(); }
