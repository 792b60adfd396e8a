#pragma once

#include <relatorio/ExecucaoRelatorio.h>

#include <QDialog>

#include <vector>

class PainelConexao;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace relatorio {
struct ParametroRelatorio;
}

namespace spreadsheet {
class Workbook;
}

// Asks where the payroll data is and what the run is for: the database, and
// the template's parameters, each checked as it is typed. "Gerar" stays
// disabled while one of them cannot be run.
class DialogoGerarRelatorio : public QDialog {
    Q_OBJECT
public:
    DialogoGerarRelatorio(QWidget* parent, const spreadsheet::Workbook& modelo, const host::ConnectionText& conexao);
    ~DialogoGerarRelatorio() override;

    // The parameters the user changed, and the database.
    relatorio::PedidoExecucao pedido() const;

    PainelConexao& conexao() const { return *FConexao; }
    // The field and the error beside it of a parameter, by its defined name;
    // null when the dialog does not offer it.
    QLineEdit* campo(const QString& nome) const;
    QLabel* erro(const QString& nome) const;
    QPushButton& botaoGerar() const;

private:
    struct Campo {
        const relatorio::ParametroRelatorio* parametro;
        QString inicial;
        QLineEdit* texto;
        QLabel* erro;
    };

    QWidget* criarParametros(const spreadsheet::Workbook& modelo);
    void validar();
    const Campo* procurar(const QString& nome) const;

    PainelConexao* FConexao = nullptr;
    QDialogButtonBox* FBotoes = nullptr;
    std::vector<Campo> FCampos;
};
