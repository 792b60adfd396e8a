#pragma once

#include "FolhaTeste.h"

// The summing functions' frame.
class MovimentoTeste : public FolhaTeste {
protected:
    // The cell's text read as a number of the pt-BR locale; NaN when it is none.
    double numero(const QString& formula);

    static double somaSql(const QString& sql) { return valorSql(sql).toDouble(); }
    // Every value of the first row, empty when there is none.
    static QVariantList linhaSql(const QString& sql);
    // Every value of the first column.
    static QVariantList colunaSql(const QString& sql);
};

// The same cases' frame on PostgreSQL, skipped without a test server.
class MovimentoTestePg : public MovimentoTeste {
protected:
    QString conexao() const override;
};
