#pragma once

#include "host/TnDialogos.h"

#include <memory>
#include <optional>

class QFile;
class QIODevice;

namespace host {

// Dialogs on the console. Messages go to the output; questions are read
// from the input only when someone is there to answer (a terminal). A
// question nobody can answer raises rather than guessing.
class DialogosConsole : public TnDialogos {
public:
    // Standard input and standard error; interactive when stdin is a terminal.
    DialogosConsole();
    DialogosConsole(QIODevice& entrada, QIODevice& saida, bool interativo);
    ~DialogosConsole() override;

    void mostrarMensagem(const QString& texto, TipoMensagem tipo) override;
    int perguntar(const QString& texto, TipoMensagem tipo, const QStringList& botoes,
                  const QString& titulo) override;
    bool pedirTexto(const QString& titulo, const QString& pergunta, QString& valor) override;
    QString selecionarArquivo(const QString& titulo, const QString& filtro, bool salvar) override;
    void mostrarAjuda(const QString& arquivo, const QString& pagina) override;

private:
    void escrever(const QString& texto);
    // Null at the end of the input.
    std::optional<QString> lerLinha();
    void exigirInterativo(const QString& pergunta) const;

    std::unique_ptr<QFile> FArquivoEntrada;
    std::unique_ptr<QFile> FArquivoSaida;
    QIODevice* FEntrada = nullptr;
    QIODevice* FSaida = nullptr;
    bool FInterativo = false;
};

}  // namespace host
