#pragma once

#include <spreadsheet/CalculationFailure.h>

#include <QDialog>
#include <QPointer>

#include <vector>

class QListWidget;
class TVandrelFilhaForm;

// The cells of a report whose functions failed: each line names the cell
// and why, and a click on it shows the cell in the report's window.
class DialogoFalhas : public QDialog {
    Q_OBJECT
public:
    DialogoFalhas(QWidget* parent, TVandrelFilhaForm& relatorio,
                  const std::vector<spreadsheet::CalculationFailure>& falhas);

    QListWidget& lista() const { return *FLista; }

private:
    void mostrarCelula(int linha);

    QPointer<TVandrelFilhaForm> FRelatorio;
    std::vector<spreadsheet::CalculationFailure> FFalhas;
    QListWidget* FLista = nullptr;
};
