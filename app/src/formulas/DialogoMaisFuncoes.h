#pragma once

#include "src/formulas/FuncaoSuite.h"

#include <spreadsheet/FormulaConvention.h>

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

// "Mais Funções...": every function the engine knows, by group, with its
// arguments and description, narrowed as the user types.
class DialogoMaisFuncoes : public QDialog {
    Q_OBJECT
public:
    DialogoMaisFuncoes(spreadsheet::FormulaConvention convencao, QWidget* parent);

    static std::optional<FuncaoEscolhida> escolher(spreadsheet::FormulaConvention convencao, QWidget* parent);

    // Hides what does not match, ignoring case and accents; the number shown.
    int filtrar(const QString& texto);
    std::optional<FuncaoEscolhida> escolhida() const;
    QTreeWidget& arvore() const { return *FArvore; }

private:
    void preencher(spreadsheet::FormulaConvention convencao);
    QTreeWidgetItem& grupo(const QString& nome);
    void mostrar();

    QLineEdit* FProcurar;
    QTreeWidget* FArvore;
    QLabel* FDetalhe;
};
