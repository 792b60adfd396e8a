#pragma once

#include <host/TnDialogos.h>

#include <memory>

namespace ajuda {
class JanelaAjuda;
}

namespace gui {

// The host's dialogs as windows: message boxes titled with the program's
// title unless the question names its own, Qt's input and file dialogs, and the help
// browser.
class DialogosJanela : public host::TnDialogos {
public:
    DialogosJanela();
    ~DialogosJanela() override;

    void mostrarMensagem(const QString& texto, host::TipoMensagem tipo) override;
    // Closing the box without a button answers with the last button, the
    // one that stands for giving up.
    int perguntar(const QString& texto, host::TipoMensagem tipo, const QStringList& botoes,
                  const QString& titulo) override;
    bool pedirTexto(const QString& titulo, const QString& pergunta, QString& valor) override;
    QString selecionarArquivo(const QString& titulo, const QString& filtro, bool salvar) override;
    void mostrarAjuda(const QString& arquivo, const QString& pagina) override;

    // The help window, once help was shown.
    ajuda::JanelaAjuda* janelaAjuda() const { return FJanelaAjuda.get(); }

private:
    std::unique_ptr<ajuda::JanelaAjuda> FJanelaAjuda;
};

}  // namespace gui
