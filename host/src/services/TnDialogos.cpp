#include "host/TnDialogos.h"

#include "host/DialogosConsole.h"

namespace host {

namespace {

std::unique_ptr<TnDialogos>& instalados()
{
    static std::unique_ptr<TnDialogos> implementacao;
    return implementacao;
}

}  // namespace

TnDialogos::~TnDialogos() = default;

void instalarDialogos(std::unique_ptr<TnDialogos> implementacao)
{
    instalados() = std::move(implementacao);
}

TnDialogos& dialogos()
{
    std::unique_ptr<TnDialogos>& implementacao = instalados();
    if (!implementacao) {
        implementacao = std::make_unique<DialogosConsole>();
    }
    return *implementacao;
}

void nShowMessage(const QString& texto, TipoMensagem tipo)
{
    dialogos().mostrarMensagem(texto, tipo);
}

int nMessageDlg(const QString& texto, TipoMensagem tipo, const QStringList& botoes, const QString& titulo)
{
    return dialogos().perguntar(texto, tipo, botoes, titulo);
}

bool nInputQuery(const QString& titulo, const QString& pergunta, QString& valor)
{
    return dialogos().pedirTexto(titulo, pergunta, valor);
}

QString SelecionarArquivo(const QString& titulo, const QString& filtro, bool salvar)
{
    return dialogos().selecionarArquivo(titulo, filtro, salvar);
}

void MostrarAjuda(const QString& arquivo, const QString& pagina)
{
    dialogos().mostrarAjuda(arquivo, pagina);
}

}  // namespace host
