#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace host {

enum class TipoMensagem { Aviso, Erro, Informacao, Confirmacao, Personalizado };

// How the program talks to its user. Libraries never show anything
// themselves: they call the free functions below, which go to the
// implementation installed for the process (the console one by default).
class TnDialogos {
public:
    virtual ~TnDialogos();

    // A notice, or with TipoMensagem::Erro a failure, with one OK button.
    virtual void mostrarMensagem(const QString& texto, TipoMensagem tipo) = 0;
    // The index of the pressed button, 0 for the first. An empty title
    // leaves the program's own.
    virtual int perguntar(const QString& texto, TipoMensagem tipo, const QStringList& botoes,
                          const QString& titulo) = 0;
    // True on OK; valor holds the initial text and receives the answer.
    virtual bool pedirTexto(const QString& titulo, const QString& pergunta, QString& valor) = 0;
    // The chosen path, or empty when the user gave up.
    virtual QString selecionarArquivo(const QString& titulo, const QString& filtro, bool salvar) = 0;
    virtual void mostrarAjuda(const QString& arquivo, const QString& pagina) = 0;
};

// A null implementation puts the console one back.
void instalarDialogos(std::unique_ptr<TnDialogos> implementacao);
TnDialogos& dialogos();

void nShowMessage(const QString& texto, TipoMensagem tipo = TipoMensagem::Informacao);
int nMessageDlg(const QString& texto, TipoMensagem tipo, const QStringList& botoes, const QString& titulo = {});
bool nInputQuery(const QString& titulo, const QString& pergunta, QString& valor);
QString SelecionarArquivo(const QString& titulo, const QString& filtro, bool salvar);
void MostrarAjuda(const QString& arquivo, const QString& pagina);

// Copies a file. The destination is either left as it was or holds the
// whole copy: the copy is written beside it and renamed over it. False when
// the source cannot be read, the destination exists and falharSeExiste is
// set, or the copy cannot be written.
bool CopyFile(const QString& origem, const QString& destino, bool falharSeExiste);

}  // namespace host
