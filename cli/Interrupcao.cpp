#include "Interrupcao.h"

#include <atomic>
#include <csignal>
#include <cstring>

#include <unistd.h>

namespace {

// A temporary file as the signal handler sees it: the list only grows at its
// head, and a node is never changed once it is published.
struct Temporario {
    char* caminho;
    Temporario* proximo;
};

std::atomic<int> gPedidos{0};
std::atomic<bool> gConfirmando{false};
std::atomic<Temporario*> gTemporarios{nullptr};

constexpr int kInterrompido = 130;

// Only async-signal-safe calls: unlink, write and _exit.
void encerrarJa()
{
    for (Temporario* t = gTemporarios.load(); t; t = t->proximo) {
        ::unlink(t->caminho);
    }
    constexpr char kAviso[] = "\nGeração interrompida. Nada foi gravado.\n";
    [[maybe_unused]] const ssize_t escritos = ::write(STDERR_FILENO, kAviso, sizeof kAviso - 1);
    ::_exit(kInterrompido);
}

extern "C" void aoInterromper(int)
{
    if (gConfirmando.load()) {
        return;
    }
    if (gPedidos.fetch_add(1) > 0) {
        encerrarJa();
    }
}

}  // namespace

Interrupcao::Interrupcao()
{
    gPedidos.store(0);
    gConfirmando.store(false);
    std::signal(SIGINT, aoInterromper);
}

Interrupcao::~Interrupcao()
{
    std::signal(SIGINT, SIG_DFL);
    esquecerTemporarios();
}

bool Interrupcao::pedida()
{
    return gPedidos.load() > 0;
}

void Interrupcao::registrarTemporario(const QString& caminho)
{
    const QByteArray nativo = caminho.toLocal8Bit();
    auto* temporario = new Temporario{new char[nativo.size() + 1], gTemporarios.load()};
    std::memcpy(temporario->caminho, nativo.constData(), static_cast<std::size_t>(nativo.size()) + 1);
    gTemporarios.store(temporario);
}

// The handler may be walking the list: it is detached first, and freed only
// while Ctrl+C is held back.
void Interrupcao::esquecerTemporarios()
{
    sigset_t sinais;
    sigset_t anteriores;
    sigemptyset(&sinais);
    sigaddset(&sinais, SIGINT);
    pthread_sigmask(SIG_BLOCK, &sinais, &anteriores);
    Temporario* temporario = gTemporarios.exchange(nullptr);
    while (temporario) {
        Temporario* proximo = temporario->proximo;
        delete[] temporario->caminho;
        delete temporario;
        temporario = proximo;
    }
    pthread_sigmask(SIG_SETMASK, &anteriores, nullptr);
}

// The flag is raised before the cancel is read: a Ctrl+C either came first
// and is seen here, or comes later and finds the flag.
bool Interrupcao::confirmar(const std::function<void()>& confirmacao)
{
    gConfirmando.store(true);
    if (pedida()) {
        gConfirmando.store(false);
        return false;
    }
    try {
        confirmacao();
    } catch (...) {
        gConfirmando.store(false);
        throw;
    }
    esquecerTemporarios();
    return true;
}

relatorio::Vigilancia Interrupcao::vigilancia()
{
    return {&Interrupcao::pedida, &Interrupcao::registrarTemporario, &Interrupcao::confirmar};
}
