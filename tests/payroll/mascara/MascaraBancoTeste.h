#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QVariant>

// The formatter against the demo database, on SQLite and, when a server is
// given, on PostgreSQL.
class MascaraBancoTeste : public ::testing::TestWithParam<const char*> {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // The first column of the first row, or an invalid value.
    static QVariant valorSql(const QString& sql);
    static int inteiroSql(const QString& sql);
    // The latest union of an employee and the types of its convention.
    static int sindicato(int empresa, int funcionario);
    static int tipoQuebraCaixa(int empresa, int funcionario);
    static int tipoContribuicao(int empresa, int funcionario, int contribSind);

    // Independent renderings of the expected texts.
    static QString horas(qint64 minutos);
    static QString numero(double valor, int decimais);
};
