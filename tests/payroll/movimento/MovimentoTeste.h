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
class MovimentoTeste : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;
    virtual QString conexao() const;

    spreadsheet::Value avaliar(const QString& formula);
    QString texto(const QString& formula) { return avaliar(formula).text(); }
    // The cell's text read as a number of the pt-BR locale; NaN when it is none.
    double numero(const QString& formula);
    QString falha() const;

    // The first column of the first row of a query written by the test.
    static QVariant valorSql(const QString& sql);
    static double somaSql(const QString& sql) { return valorSql(sql).toDouble(); }
    // Every value of the first row, empty when there is none.
    static QVariantList linhaSql(const QString& sql);
    // Every value of the first column.
    static QVariantList colunaSql(const QString& sql);
    // A new run: the cached queries go, as at the end of a run.
    void novaExecucao() { dm.DestruirCursores(); }

    spreadsheet::Workbook wb;
    spreadsheet::Sheet* folha = nullptr;
    payroll::TnFpaDMPlanilha dm;
};

// The same cases' frame on PostgreSQL, skipped without a test server.
class MovimentoTestePg : public MovimentoTeste {
protected:
    QString conexao() const override;
};
