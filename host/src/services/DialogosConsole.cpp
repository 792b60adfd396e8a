#include "host/DialogosConsole.h"

#include "host/HostError.h"

#include <QFile>

#include <array>
#include <cstdio>
#include <unistd.h>

namespace host {

namespace {

struct RotuloTipo {
    TipoMensagem tipo;
    const char16_t* rotulo;
};

constexpr std::array<RotuloTipo, 5> rotulos{{
    {TipoMensagem::Aviso, u"Aviso: "},
    {TipoMensagem::Erro, u"Erro: "},
    {TipoMensagem::Informacao, u"Informação: "},
    {TipoMensagem::Confirmacao, u"Confirmação: "},
    {TipoMensagem::Personalizado, u""},
}};

QString rotuloDe(TipoMensagem tipo)
{
    for (const RotuloTipo& item : rotulos) {
        if (item.tipo == tipo) {
            return QString::fromUtf16(item.rotulo);
        }
    }
    return {};
}

QString listaDeBotoes(const QStringList& botoes)
{
    QStringList itens;
    for (qsizetype i = 0; i < botoes.size(); ++i) {
        itens.append(QStringLiteral("%1) %2").arg(i + 1).arg(botoes[i]));
    }
    return QStringLiteral("  ") + itens.join(QStringLiteral("  ")) + u'\n';
}

// A button is chosen by its number, counted from 1, or by its caption.
int botaoEscolhido(const QString& resposta, const QStringList& botoes)
{
    bool numero = false;
    const int escolhido = resposta.toInt(&numero);
    if (numero) {
        return escolhido >= 1 && escolhido <= botoes.size() ? escolhido - 1 : -1;
    }
    for (qsizetype i = 0; i < botoes.size(); ++i) {
        if (botoes[i].compare(resposta, Qt::CaseInsensitive) == 0) {
            return int(i);
        }
    }
    return -1;
}

}  // namespace

DialogosConsole::DialogosConsole()
    : FArquivoEntrada(std::make_unique<QFile>()), FArquivoSaida(std::make_unique<QFile>()),
      FInterativo(isatty(fileno(stdin)) != 0)
{
    // Unbuffered, so that a read takes one line and does not wait for more.
    FArquivoEntrada->open(stdin, QIODevice::ReadOnly | QIODevice::Unbuffered);
    FArquivoSaida->open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    FEntrada = FArquivoEntrada.get();
    FSaida = FArquivoSaida.get();
}

DialogosConsole::DialogosConsole(QIODevice& entrada, QIODevice& saida, bool interativo)
    : FEntrada(&entrada), FSaida(&saida), FInterativo(interativo)
{
}

DialogosConsole::~DialogosConsole() = default;

void DialogosConsole::mostrarMensagem(const QString& texto, TipoMensagem tipo)
{
    // A notice stays plain text; only warnings and errors say what they are.
    const bool marcada = tipo == TipoMensagem::Erro || tipo == TipoMensagem::Aviso;
    escrever((marcada ? rotuloDe(tipo) : QString()) + texto + u'\n');
}

int DialogosConsole::perguntar(const QString& texto, TipoMensagem tipo, const QStringList& botoes,
                               const QString& titulo)
{
    exigirInterativo(texto);
    const QStringList opcoes = botoes.isEmpty() ? QStringList{QStringLiteral("OK")} : botoes;
    if (!titulo.isEmpty()) {
        escrever(titulo + u'\n');
    }
    escrever(rotuloDe(tipo) + texto + u'\n' + listaDeBotoes(opcoes));
    for (;;) {
        escrever(QStringLiteral("Resposta: "));
        const std::optional<QString> resposta = lerLinha();
        if (!resposta) {
            throw HostError(QStringLiteral("Pergunta sem resposta: %1").arg(texto));
        }
        const int escolhido = botaoEscolhido(resposta->trimmed(), opcoes);
        if (escolhido >= 0) {
            return escolhido;
        }
        escrever(QStringLiteral("Resposta inválida.\n"));
    }
}

bool DialogosConsole::pedirTexto(const QString& titulo, const QString& pergunta, QString& valor)
{
    exigirInterativo(pergunta);
    escrever(QStringLiteral("%1\n%2 [%3]: ").arg(titulo, pergunta, valor));
    const std::optional<QString> resposta = lerLinha();
    if (!resposta) {
        return false;
    }
    // An empty line keeps the value offered, as OK on an unchanged box does.
    if (!resposta->isEmpty()) {
        valor = *resposta;
    }
    return true;
}

QString DialogosConsole::selecionarArquivo(const QString& titulo, const QString& filtro, bool salvar)
{
    const QString acao = salvar ? QStringLiteral("Salvar arquivo") : QStringLiteral("Abrir arquivo");
    const QString pergunta = titulo.isEmpty() ? acao : titulo;
    exigirInterativo(pergunta);
    escrever(QStringLiteral("%1 (%2): ").arg(pergunta, filtro));
    return lerLinha().value_or(QString()).trimmed();
}

void DialogosConsole::mostrarAjuda(const QString& arquivo, const QString& pagina)
{
    escrever(QStringLiteral("Ajuda: %1, página %2\n").arg(arquivo, pagina));
}

void DialogosConsole::escrever(const QString& texto)
{
    FSaida->write(texto.toUtf8());
}

std::optional<QString> DialogosConsole::lerLinha()
{
    const QByteArray linha = FEntrada->readLine();
    if (linha.isEmpty()) {
        return std::nullopt;
    }
    QString texto = QString::fromUtf8(linha);
    while (texto.endsWith(u'\n') || texto.endsWith(u'\r')) {
        texto.chop(1);
    }
    return texto;
}

void DialogosConsole::exigirInterativo(const QString& pergunta) const
{
    if (!FInterativo) {
        throw HostError(QStringLiteral("Pergunta sem resposta: %1").arg(pergunta));
    }
}

}  // namespace host
