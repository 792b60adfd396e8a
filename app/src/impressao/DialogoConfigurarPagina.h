#pragma once

#include <spreadsheet/io/PrintSettings.h>

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

// "Configurar Página": paper, orientation, margins, scaling or fitting,
// centring, header and footer, grid lines and headings of a workbook's
// printing. The settings it does not show stay as they were.
class DialogoConfigurarPagina : public QDialog {
    Q_OBJECT
public:
    DialogoConfigurarPagina(const spreadsheet::io::PrintSettings& settings, QWidget* parent);

    spreadsheet::io::PrintSettings settings() const;

private:
    QWidget* criarPagina();
    QWidget* criarMargens();
    QWidget* criarCabecalho();
    QWidget* criarPlanilha();

    spreadsheet::io::PrintSettings FOriginal;
    QComboBox* FPapel;
    QRadioButton* FRetrato;
    QRadioButton* FPaisagem;
    QRadioButton* FPorEscala;
    QRadioButton* FAjustar;
    QSpinBox* FEscala;
    QSpinBox* FLargura;
    QSpinBox* FAltura;
    std::array<QDoubleSpinBox*, 6> FMargens{};
    QCheckBox* FCentroHorizontal;
    QCheckBox* FCentroVertical;
    QLineEdit* FCabecalho;
    QLineEdit* FRodape;
    QCheckBox* FGrade;
    QCheckBox* FTitulos;
};
