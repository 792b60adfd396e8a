#pragma once

#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <QString>
#include <QStringList>

// A template workbook as the editor makes one: "Sheet1", "Parâmetros" and
// "Leiaute", with every run parameter a defined name of one "Parâmetros"
// cell, empty until a case fills it.
class ModeloTeste {
public:
    ModeloTeste();

    spreadsheet::Workbook wb;

    spreadsheet::Sheet& parametros() const { return wb.sheet(1); }
    spreadsheet::Sheet& leiaute() const { return wb.sheet(2); }

    // Writes a parameter as plain text, so "1..3" and "4;7" stay lists.
    ModeloTeste& parametro(const QString& nome, const QString& valor);
    // The companies and period, replicated by establishment in column A,
    // with event 100 of each establishment in D and "Estab" in C.
    ModeloTeste& porEstabelecimento(const QString& empresas, int periodo);
    // One layout row from column A on; texts starting with "=" are formulas.
    ModeloTeste& linha(int row, const QStringList& celulas);

    spreadsheet::Sheet* pagina(int empresa) const;
    QStringList nomesDasPlanilhas() const;

    // The value of a cell as the report shows it: texts as they are, whole
    // numbers without decimals, empty cells as "".
    static QString texto(const spreadsheet::Sheet& sheet, int row, int column);
    // The texts of column `coluna` on the rows whose column `colunaRotulo`
    // reads `rotulo`, top to bottom.
    static QStringList coluna(const spreadsheet::Sheet& sheet, int coluna, int colunaRotulo, const QString& rotulo);
    static bool temFormula(const spreadsheet::Sheet& sheet);
};
