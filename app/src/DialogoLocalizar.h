#pragma once

#include <spreadsheet/CellSearch.h>

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class TVandrelFilhaForm;

// "Localizar e Substituir": a window beside the workbooks that finds and
// replaces in the active one. The found cell is selected and shown.
class DialogoLocalizar : public QDialog {
    Q_OBJECT
public:
    // `janelaAtiva` gives the workbook window the dialog works on, or null.
    DialogoLocalizar(QWidget* parent, std::function<TVandrelFilhaForm*()> janelaAtiva,
                     spreadsheet::FormulaConvention convencao);

    void localizar(bool proxima);
    void substituir();
    void substituirTudo();
    // What the last command found or changed, as shown under the buttons.
    QString situacao() const;

private:
    spreadsheet::SearchOptions opcoes() const;
    bool mostrar(const spreadsheet::CellPosition& celula);

    std::function<TVandrelFilhaForm*()> FJanelaAtiva;
    spreadsheet::FormulaConvention FConvencao;
    QLineEdit* FTexto;
    QLineEdit* FSubstituto;
    QComboBox* FProcurarEm;
    QComboBox* FDentroDe;
    QCheckBox* FMaiusculas;
    QCheckBox* FCelulaInteira;
    QLabel* FSituacao;
};
