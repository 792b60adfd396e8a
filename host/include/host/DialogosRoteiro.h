#pragma once

#include "host/TnDialogos.h"

#include <deque>
#include <vector>

namespace host {

// Scripted dialogs for tests: answers are queued beforehand and taken in
// order, and everything shown is recorded. A question without a queued
// answer of its kind raises, so a test never passes on a guess.
class DialogosRoteiro : public TnDialogos {
public:
    enum class Dialogo { Mensagem, Pergunta, Texto, Arquivo, Ajuda };

    // One dialog as it was shown. For a question, texto, botoes and titulo; for a
    // text box, titulo and texto (the prompt) and botoes the value offered;
    // for a file, titulo, texto (the filter) and salvar; for help, titulo
    // (the file) and texto (the page).
    struct Exibicao {
        Dialogo dialogo = Dialogo::Mensagem;
        QString titulo;
        QString texto;
        TipoMensagem tipo = TipoMensagem::Informacao;
        QStringList botoes;
        bool salvar = false;
    };

    void responderBotao(int indice);
    // The button whose caption is given; raises at the question when no
    // button has it.
    void responderBotao(const QString& legenda);
    void responderTexto(const QString& valor);
    // A text box or a file dialog closed without an answer.
    void responderCancelar();
    void responderArquivo(const QString& path);

    const std::vector<Exibicao>& exibidos() const { return FExibidos; }
    // The texts of everything shown, in order.
    QStringList textos() const;
    bool respostasPendentes() const { return !FRespostas.empty(); }

    void mostrarMensagem(const QString& texto, TipoMensagem tipo) override;
    int perguntar(const QString& texto, TipoMensagem tipo, const QStringList& botoes,
                  const QString& titulo) override;
    bool pedirTexto(const QString& titulo, const QString& pergunta, QString& valor) override;
    QString selecionarArquivo(const QString& titulo, const QString& filtro, bool salvar) override;
    void mostrarAjuda(const QString& arquivo, const QString& pagina) override;

private:
    enum class Tipo { Botao, Legenda, Texto, Cancelar, Arquivo };
    struct Resposta {
        Tipo tipo;
        int indice = 0;
        QString texto;
    };

    Resposta proxima(const QString& pergunta, std::initializer_list<Tipo> aceitas);

    std::deque<Resposta> FRespostas;
    std::vector<Exibicao> FExibidos;
};

}  // namespace host
