#pragma once

#include "host/TnQuebra.h"

#include <QString>
#include <QVariant>

#include <exception>
#include <vector>

namespace payroll {
class TnFpaDMPlanilha;
}

namespace generation {

// Raised inside the run when the user asked to cancel; the run ends
// through its end steps and returns normally.
class ExecucaoCancelada : public std::exception {
public:
    const char* what() const noexcept override { return "cancelada"; }
};

// The replication of one company's page: each block marked in a
// replication column is repeated once per break value of the movement
// dataset, nested in the order of the columns.
class ReplicacaoFolha {
public:
    explicit ReplicacaoFolha(payroll::TnFpaDMPlanilha& dm);

    // A new root break and one (empty) break list per replication column.
    void Iniciar(int colunas);
    // Walks the page down replication column number `indice` (sheet column
    // `coluna`); `ultima` tells whether it is the innermost one.
    void Replicar(int indice, int coluna, bool ultima);
    // Releases the company's breaks; the dataset index starts anew.
    void LiberarQuebras();
    // Releases the breaks only; the index names stay as the last company
    // left them.
    void LiberarListas();

    void PrepararQuebra(const QString& palavra);
    void FiltrarQuebra(const host::TnQuebra& pai);
    // Key changes from the current record to the end of the current view.
    int ContarValoresQuebra();

    const std::vector<std::vector<host::TnQuebra>>& listas() const { return FListas; }

private:
    struct Bloco {
        int primeira;
        int ultima;
    };
    // False when the row starts no block that can be replicated.
    bool selecionarMovimento(int indice, int& indicePai, host::TnQuebra& pai);
    void inserirCopias(const Bloco& bloco, bool ultima);
    int preencherBloco(const Bloco& bloco, int indice, int coluna, bool ultima, const host::TnQuebra& pai);
    QVariant valorChave();
    QString textoChave();
    void testarCancelamento();

    payroll::TnFpaDMPlanilha& dm_;
    host::TnQuebra FRaiz;
    std::vector<std::vector<host::TnQuebra>> FListas;
    QString FCampoChave;
};

}  // namespace generation
