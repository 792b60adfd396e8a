#pragma once

#include <QSqlRecord>
#include <QString>
#include <QVariant>

#include <vector>

namespace exemplo::testes {

// The oracle's own read-only connection to the demo database, and the SQL
// pieces its queries share. Written for SQLite, which keeps dates as
// 'YYYY-MM-DD' text.
class BancoOraculo {
public:
    explicit BancoOraculo(const QString& caminho);
    ~BancoOraculo();
    BancoOraculo(const BancoOraculo&) = delete;
    BancoOraculo& operator=(const BancoOraculo&) = delete;

    // Raises std::runtime_error with the query when it fails.
    std::vector<QSqlRecord> linhas(const QString& sql) const;
    // The first column of the first row; invalid without a row.
    QVariant valor(const QString& sql) const;

    // " AND (...)" selecting the codes and ranges of an inclusion list such
    // as "1..3;5"; nothing for an empty list.
    static QString condicaoLista(const QString& coluna, const QString& lista);
    // The last day of the month of a date expression.
    static QString fimDoMes(const QString& data);
    // The accounting location an employee is in at the end of a competence month.
    static QString localContabil(const QString& empresa, const QString& funcionario, const QString& compet);

private:
    QString FNome;
};

}  // namespace exemplo::testes
