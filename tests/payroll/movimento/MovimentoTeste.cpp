#include "MovimentoTeste.h"

#include "DemoDatabases.h"

#include "catalog/RegistroFuncoes.h"

#include "host/QueryServices.h"
#include "host/TnClientDataSet.h"
#include "host/TnDMSQLDataSet.h"

#include <QLocale>

#include <limits>

void MovimentoTeste::SetUpTestSuite()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    catalog::RegistrarTodasFuncoes();
}

QString MovimentoTeste::conexao() const { return host::testing::DemoDatabases::instance().sqliteConnection(); }

QString MovimentoTestePg::conexao() const
{
    return host::testing::DemoDatabases::instance().postgresConnection(QStringLiteral("darvelo_payroll_movimento_test"));
}

void MovimentoTeste::SetUp()
{
    const QString texto = conexao();
    if (texto.isEmpty())
        GTEST_SKIP() << "PostgreSQL NOT TESTED: set DARVELO_PG_TEST to a test server's connection";
    host::TnDMSQLDataSet::Conectar(texto);
    folha = &wb.addSheet();
    dm.SetcxSpreadSheetBook(&wb);
    wb.setTag(&dm);
    dm.FCodigoEmpresa = 1;
    dm.FCodigoEmpresaBase = 1;
    dm.FEmpresas = QStringLiteral("1..4");
    dm.FPeriodoCalculo = QStringLiteral("3");
}

void MovimentoTeste::TearDown()
{
    wb.setTag(nullptr);
    dm.DestruirCursores();
    host::TnDMSQLDataSet::Desconectar();
}

spreadsheet::Value MovimentoTeste::avaliar(const QString& formula)
{
    folha->setText(0, 0, QStringLiteral("=") + formula);
    wb.calculate();
    return folha->value(0, 0);
}

double MovimentoTeste::numero(const QString& formula)
{
    const spreadsheet::Value valor = avaliar(formula);
    if (valor.isNumber())
        return valor.number();
    bool ok = false;
    const double lido = QLocale().toDouble(valor.text(), &ok);
    return ok ? lido : std::numeric_limits<double>::quiet_NaN();
}

QString MovimentoTeste::falha() const
{
    const auto& falhas = wb.calculationFailures();
    return falhas.empty() ? QString() : falhas.back().message;
}

QVariant MovimentoTeste::valorSql(const QString& sql)
{
    auto dataset = host::ExecutarSQL(host::PegarSQL(sql));
    return dataset->IsEmpty() ? QVariant() : dataset->Fields(0).Value();
}

QVariantList MovimentoTeste::linhaSql(const QString& sql)
{
    auto dataset = host::ExecutarSQL(host::PegarSQL(sql));
    QVariantList linha;
    if (!dataset->IsEmpty()) {
        for (int i = 0; i < dataset->FieldCount(); ++i)
            linha << dataset->Fields(i).Value();
    }
    return linha;
}

QVariantList MovimentoTeste::colunaSql(const QString& sql)
{
    auto dataset = host::ExecutarSQL(host::PegarSQL(sql));
    QVariantList coluna;
    for (dataset->First(); !dataset->Eof(); dataset->Next())
        coluna << dataset->Fields(0).Value();
    return coluna;
}
