#include "DemoDatabases.h"
#include "PostgresTestServer.h"
#include "SqlTestSupport.h"

#include "host/DadosEmpresa.h"
#include "host/HostError.h"
#include "host/PayrollSchema.h"

#include <gtest/gtest.h>

#include <QSqlQuery>
#include <QSqlRecord>

namespace {

using host::SqlDialect;

TEST(CamposEmpresa, NumberThe62FieldsInOrderAndNameSchemaColumns)
{
    const auto campos = host::camposEmpresa();
    ASSERT_EQ(campos.size(), 62u);
    for (std::size_t i = 0; i < campos.size(); ++i) {
        EXPECT_EQ(campos[i].numero, static_cast<int>(i) + 1);
        EXPECT_TRUE(
            host::PayrollSchema::columnNames(QLatin1String(campos[i].tabela)).contains(QLatin1String(campos[i].coluna)))
            << campos[i].tabela << "." << campos[i].coluna;
        EXPECT_EQ(&host::campoEmpresa(campos[i].numero), &campos[i]);
    }
}

TEST(CamposEmpresa, RaiseForANumberOutsideTheTable)
{
    EXPECT_THROW(host::campoEmpresa(0), host::HostError);
    EXPECT_THROW(host::campoEmpresa(63), host::HostError);
}

using DadosEmpresaQuery = host::testing::DialectCase;

// Field n is the result column n + 1, under the column name of the table.
TEST_P(DadosEmpresaQuery, PutsFieldNInColumnNPlusOne)
{
    QSqlQuery query(schema_test::demo(GetParam()));
    ASSERT_TRUE(query.exec(QLatin1String(host::SqlDadosEmpresa)));
    const QSqlRecord record = query.record();
    ASSERT_EQ(record.count(), 64);
    EXPECT_EQ(record.fieldName(0).toUpper(), QStringLiteral("CODIGOEMPRESA"));
    EXPECT_EQ(record.fieldName(1).toUpper(), QStringLiteral("CODIGOESTAB"));
    for (const host::CampoEmpresa& campo : host::camposEmpresa()) {
        EXPECT_EQ(record.fieldName(campo.numero + 1).toUpper(), QLatin1String(campo.coluna)) << campo.numero;
    }
}

TEST_P(DadosEmpresaQuery, ListsEveryEstablishmentInOrderWithEveryFieldFilledSomewhere)
{
    const std::vector<QVariantList> rows =
        schema_test::rows(schema_test::demo(GetParam()), QLatin1String(host::SqlDadosEmpresa));
    const host::DemoDataOptions& options = host::testing::DemoDatabases::options();
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(options.empresas * options.estabelecimentos));
    std::vector<bool> filled(64, false);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int empresa = static_cast<int>(i) / options.estabelecimentos + 1;
        const int estab = static_cast<int>(i) % options.estabelecimentos + 1;
        EXPECT_EQ(rows[i].at(0).toInt(), empresa);
        EXPECT_EQ(rows[i].at(1).toInt(), estab);
        EXPECT_EQ(rows[i].at(2).toInt(), empresa);
        EXPECT_EQ(rows[i].at(3).toInt(), estab);
        for (int c = 0; c < 64; ++c) {
            filled[static_cast<std::size_t>(c)] = filled[static_cast<std::size_t>(c)] || !rows[i].at(c).isNull();
        }
    }
    for (int n = 1; n <= 62; ++n) {
        EXPECT_TRUE(filled[static_cast<std::size_t>(n + 1)]) << "field " << n;
    }
}

DARVELO_INSTANTIATE_DIALECTS(DadosEmpresaQuery);

}  // namespace
