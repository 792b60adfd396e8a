#pragma once

#include "payroll/TnFpaDMPlanilha.h"

#include <spreadsheet/Sheet.h>
#include <spreadsheet/Value.h>
#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

#include <QString>
#include <QVariant>

// A payroll module bound to a one-sheet workbook, as during a run, on the
// demo database: company 1 of the companies 1 to 4, period 3 (2024-01).
class CadastroTeste : public ::testing::Test {
public:
    // The first column of the first row of a query written by the test.
    static QVariant valorSql(const QString& sql);
    static QString textoSql(const QString& sql);

protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;
    // The connection text of the database the case runs on.
    virtual QString conexao() const;

    spreadsheet::Value avaliar(const QString& formula);
    QString texto(const QString& formula) { return avaliar(formula).text(); }
    // The last failure message of the latest calculation, empty when none.
    QString falha() const;

    // A new run: the cached queries go, as at the end of a run.
    void novaExecucao();

    spreadsheet::Workbook wb;
    spreadsheet::Sheet* folha = nullptr;
    payroll::TnFpaDMPlanilha dm;
};
