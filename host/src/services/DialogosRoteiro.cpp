#include "host/DialogosRoteiro.h"

#include "host/HostError.h"

#include <algorithm>

namespace host {

void DialogosRoteiro::responderBotao(int indice)
{
    FRespostas.push_back({Tipo::Botao, indice, {}});
}

void DialogosRoteiro::responderBotao(const QString& legenda)
{
    FRespostas.push_back({Tipo::Legenda, 0, legenda});
}

void DialogosRoteiro::responderTexto(const QString& valor)
{
    FRespostas.push_back({Tipo::Texto, 0, valor});
}

void DialogosRoteiro::responderCancelar()
{
    FRespostas.push_back({Tipo::Cancelar, 0, {}});
}

void DialogosRoteiro::responderArquivo(const QString& path)
{
    FRespostas.push_back({Tipo::Arquivo, 0, path});
}

QStringList DialogosRoteiro::textos() const
{
    QStringList lista;
    for (const Exibicao& exibido : FExibidos) {
        lista.append(exibido.texto);
    }
    return lista;
}

void DialogosRoteiro::mostrarMensagem(const QString& texto, TipoMensagem tipo)
{
    FExibidos.push_back({Dialogo::Mensagem, {}, texto, tipo, {}, false});
}

int DialogosRoteiro::perguntar(const QString& texto, TipoMensagem tipo, const QStringList& botoes,
                               const QString& titulo)
{
    FExibidos.push_back({Dialogo::Pergunta, titulo, texto, tipo, botoes, false});
    const Resposta resposta = proxima(texto, {Tipo::Botao, Tipo::Legenda});
    const int indice = resposta.tipo == Tipo::Botao ? resposta.indice : int(botoes.indexOf(resposta.texto));
    if (indice < 0 || indice >= botoes.size()) {
        throw HostError(QStringLiteral("Resposta sem botão correspondente: %1").arg(texto));
    }
    return indice;
}

bool DialogosRoteiro::pedirTexto(const QString& titulo, const QString& pergunta, QString& valor)
{
    FExibidos.push_back({Dialogo::Texto, titulo, pergunta, TipoMensagem::Personalizado, {valor}, false});
    const Resposta resposta = proxima(pergunta, {Tipo::Texto, Tipo::Cancelar});
    if (resposta.tipo == Tipo::Cancelar) {
        return false;
    }
    valor = resposta.texto;
    return true;
}

QString DialogosRoteiro::selecionarArquivo(const QString& titulo, const QString& filtro, bool salvar)
{
    FExibidos.push_back({Dialogo::Arquivo, titulo, filtro, TipoMensagem::Personalizado, {}, salvar});
    const Resposta resposta = proxima(filtro, {Tipo::Arquivo, Tipo::Cancelar});
    return resposta.tipo == Tipo::Cancelar ? QString() : resposta.texto;
}

void DialogosRoteiro::mostrarAjuda(const QString& arquivo, const QString& pagina)
{
    FExibidos.push_back({Dialogo::Ajuda, arquivo, pagina, TipoMensagem::Informacao, {}, false});
}

DialogosRoteiro::Resposta DialogosRoteiro::proxima(const QString& pergunta, std::initializer_list<Tipo> aceitas)
{
    if (FRespostas.empty()) {
        throw HostError(QStringLiteral("Pergunta sem resposta: %1").arg(pergunta));
    }
    const Resposta resposta = FRespostas.front();
    if (std::find(aceitas.begin(), aceitas.end(), resposta.tipo) == aceitas.end()) {
        throw HostError(QStringLiteral("Resposta do roteiro não serve para a pergunta: %1").arg(pergunta));
    }
    FRespostas.pop_front();
    return resposta;
}

}  // namespace host
