#pragma once

#include <QDialog>

class ModeloRecuperacao;
class QTableWidget;

// The one question at start-up after an editor ended abnormally: a row per
// workbook copy with its title, original file and time, and a choice of
// "Recuperar" or "Descartar" per row, written into the model as it changes.
// Cancelling decides nothing: the copies wait for the next start.
class DialogoRecuperacao : public QDialog {
    Q_OBJECT
public:
    explicit DialogoRecuperacao(ModeloRecuperacao& modelo, QWidget* parent = nullptr);

    QTableWidget& tabela() const { return *FTabela; }

private:
    void preencher();

    ModeloRecuperacao& FModelo;
    QTableWidget* FTabela = nullptr;
};
