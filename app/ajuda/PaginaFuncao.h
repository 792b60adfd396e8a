#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace ajuda {

// The help page of one spreadsheet function, built from the menu tables:
// what it returns, its arguments in order and, for the functions that take
// a field number, every field with its caption and hint.
class PaginaFuncao {
public:
    explicit PaginaFuncao(const QString& funcao);

    QString html() const;
    // The argument labels in the order they are written in a formula.
    QStringList argumentos() const;
    // One line on what the function gives, for the index.
    static QString resumo(const QString& funcao);

private:
    std::vector<QStringList> linhasArgumentos() const;
    QString secaoArgumentos() const;
    QString secaoCampos() const;

    QString FFuncao;
};

}  // namespace ajuda
