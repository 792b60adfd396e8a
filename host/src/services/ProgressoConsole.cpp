#include "host/ProgressoConsole.h"

#include <QFile>

#include <unistd.h>

namespace host {

namespace {

constexpr std::chrono::milliseconds intervaloStatus{100};
constexpr char16_t fimDaLinha[] = u"\x1b[K";

std::chrono::milliseconds relogioPadrao()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

QString resumo(const QString& texto, int contagem)
{
    if (contagem == 1) {
        return texto;
    }
    return QStringLiteral("%1 (\u00d7%2)").arg(texto).arg(contagem);
}

}  // namespace

ProgressoConsole::ProgressoConsole(FILE* saida, Relogio relogio)
    : FArquivo(std::make_unique<QFile>()), FTerminal(isatty(fileno(saida)) != 0),
      FRelogio(relogio ? std::move(relogio) : Relogio(relogioPadrao))
{
    FArquivo->open(saida, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle);
    FSaida = FArquivo.get();
}

ProgressoConsole::ProgressoConsole(QIODevice& saida, bool terminal, Relogio relogio)
    : FSaida(&saida), FTerminal(terminal), FRelogio(relogio ? std::move(relogio) : Relogio(relogioPadrao))
{
}

ProgressoConsole::~ProgressoConsole()
{
    encerrarSequencia();
}

void ProgressoConsole::MostrarSimples(QObject* /*janela*/) {}

void ProgressoConsole::SetEhCircular(bool /*circular*/) {}

void ProgressoConsole::IncProgressoTotal(const QString& texto, int n)
{
    if (n > 0) {
        acumular(texto);
        return;
    }
    encerrarSequencia();
    escrever(texto + u'\n');
}

void ProgressoConsole::LimparExibirCountTotal()
{
    encerrarSequencia();
}

void ProgressoConsole::acumular(const QString& texto)
{
    FUltimoTexto = texto;
    ++FContagem;
    if (!FTerminal) {
        return;
    }
    const std::chrono::milliseconds agora = FRelogio();
    if (FStatusVisivel && agora - FUltimaEscrita < intervaloStatus) {
        return;
    }
    escrever(u'\r' + texto + QString::fromUtf16(fimDaLinha));
    FStatusVisivel = true;
    FUltimaEscrita = agora;
}

// The run's last word stays on screen as its summary, in place of the
// status line on a terminal.
void ProgressoConsole::encerrarSequencia()
{
    if (FContagem == 0) {
        return;
    }
    const QString linha = resumo(FUltimoTexto, FContagem);
    escrever(FTerminal ? u'\r' + linha + QString::fromUtf16(fimDaLinha) + u'\n' : linha + u'\n');
    FContagem = 0;
    FUltimoTexto.clear();
    FStatusVisivel = false;
}

void ProgressoConsole::escrever(const QString& texto)
{
    FSaida->write(texto.toUtf8());
}

}  // namespace host
