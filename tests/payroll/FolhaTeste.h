#pragma once

#include "DemoDatabases.h"

#include "catalog/RegistroFuncoes.h"
#include "payroll/TnFpaDMPlanilha.h"

#include "host/QueryServices.h"
#include "host/TnClientDataSet.h"
#include "host/TnDMSQLDataSet.h"

#include <spreadsheet/Sheet.h>
#include <spreadsheet/Value.h>
#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

#include <QLocale>
#include <QString>
#include <QVariant>

// A payroll module bound to a one-sheet workbook, as during a run, on the
// demo database: company 1 of the companies 1 to 4, period 3 (2024-01).
class FolhaTeste : public ::testing::Test {
public:
    // The first column of the first row of a query written by the test.
    static QVariant valorSql(const QString& sql)
    {
        auto dataset = host::ExecutarSQL(host::PegarSQL(sql));
        return dataset->IsEmpty() ? QVariant() : dataset->Fields(0).Value();
    }
    // The same, as the dataset writes it.
    static QString textoSql(const QString& sql)
    {
        auto dataset = host::ExecutarSQL(host::PegarSQL(sql));
        return dataset->IsEmpty() ? QString() : dataset->Fields(0).AsString();
    }

protected:
    static void SetUpTestSuite()
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        catalog::RegistrarTodasFuncoes();
    }

    void SetUp() override
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

    void TearDown() override
    {
        wb.setTag(nullptr);
        dm.DestruirCursores();
        host::TnDMSQLDataSet::Desconectar();
    }

    // The connection text of the database the case runs on.
    virtual QString conexao() const { return host::testing::DemoDatabases::instance().sqliteConnection(); }

    spreadsheet::Value avaliar(const QString& formula)
    {
        folha->setText(0, 0, QStringLiteral("=") + formula);
        wb.calculate();
        return folha->value(0, 0);
    }
    QString texto(const QString& formula) { return avaliar(formula).text(); }

    // The last failure message of the latest calculation, empty when none.
    QString falha() const
    {
        const auto& falhas = wb.calculationFailures();
        return falhas.empty() ? QString() : falhas.back().message;
    }

    // A new run: the cached queries go, as at the end of a run.
    void novaExecucao() { dm.DestruirCursores(); }

    spreadsheet::Workbook wb;
    spreadsheet::Sheet* folha = nullptr;
    payroll::TnFpaDMPlanilha dm;
};
