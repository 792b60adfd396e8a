#include "ConsultasAntecipadas.h"

#include "host/TnClientDataSet.h"
#include "host/TnDMSQLDataSet.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <mutex>

namespace payroll {

namespace {

// How often a wait for a worker listens for the user's cancel.
constexpr std::chrono::milliseconds kEscuta{50};

// At most this many queries run at once, whatever the cores.
constexpr std::size_t kMaisTrabalhadores = 8;

// Scheduling levels (nice) of the workers: below the calculation, and
// further below once the calculation waits for another worker's query.
constexpr int kNiceLeitura = 10;
constexpr int kNiceAposEspera = 19;

}  // namespace

// The cells are calculated on one thread, the run's critical path: reading
// ahead yields the processor to it, and while it waits for one query the
// other queries yield to that one. An idle core still goes to them in full.
// Only lowering a thread's priority needs no privilege, so every step
// lowers; a thread that took a query lowered further keeps that level for
// its next. The thread is named only while it runs the query, so that a
// number the system has given to another thread is never touched.
struct ConsultasAntecipadas::Prioridade {
    std::mutex mutex;
    pid_t thread = 0;
    int nice = kNiceLeitura;

    void entrar()
    {
        const std::lock_guard<std::mutex> trava(mutex);
        thread = gettid();
        aplicar();
    }
    void sair()
    {
        const std::lock_guard<std::mutex> trava(mutex);
        thread = 0;
    }
    void cederAEspera()
    {
        const std::lock_guard<std::mutex> trava(mutex);
        nice = kNiceAposEspera;
        if (thread != 0)
            aplicar();
    }
    void aplicar() const { setpriority(PRIO_PROCESS, static_cast<id_t>(thread), nice); }
};

ConsultasAntecipadas::ConsultasAntecipadas(host::ConnectionText conexao) : FConexao(std::move(conexao)) {}

ConsultasAntecipadas::~ConsultasAntecipadas()
{
    FParar = true;
    {
        const std::lock_guard<std::mutex> trava(FMutex);
        FFim = true;
    }
    FSinal.notify_all();
    for (std::thread& trabalhador : FTrabalhadores)
        trabalhador.join();
}

// A session that cannot be opened yields nothing rather than its failure:
// the function runs the query on the program's connection, as it would
// have without a worker, and reports whatever that gives.
ConsultasAntecipadas::Leitura ConsultasAntecipadas::ler(const host::ConnectionText& conexao,
                                                        const TnFpaDMPlanilha::Consulta& consulta,
                                                        const std::atomic<bool>& parar,
                                                        const std::shared_ptr<Prioridade>& prioridade)
{
    prioridade->entrar();
    struct Saida {
        Prioridade& prioridade;
        ~Saida() { prioridade.sair(); }
    } saida{*prioridade};
    std::unique_ptr<host::TnDMSQLDataSet> sessao;
    try {
        sessao = std::make_unique<host::TnDMSQLDataSet>(conexao, parar);
    } catch (const std::exception&) {
        return {};
    }
    try {
        return {sessao->ExecutarSQL(consulta.texto, consulta.valores), nullptr};
    } catch (...) {
        return {nullptr, std::current_exception()};
    }
}

void ConsultasAntecipadas::Iniciar(const TnFpaDMPlanilha::Consulta& consulta)
{
    {
        const std::lock_guard<std::mutex> trava(FMutex);
        const auto existente = std::find_if(FPendentes.begin(), FPendentes.end(),
                                            [&](const auto& pendente) { return pendente->consulta == consulta; });
        if (existente != FPendentes.end())
            return;
        auto pendente = std::make_shared<Pendente>();
        pendente->consulta = consulta;
        pendente->prioridade = std::make_shared<Prioridade>();
        pendente->leitura = pendente->promessa.get_future();
        FPendentes.push_back(std::move(pendente));
        const std::size_t nucleos = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 2, kMaisTrabalhadores);
        while (FNaFila < nucleos) {
            FTrabalhadores.emplace_back(&ConsultasAntecipadas::trabalhar, this);
            ++FNaFila;
        }
    }
    FSinal.notify_one();
}

void ConsultasAntecipadas::executar(const std::shared_ptr<Pendente>& pendente)
{
    pendente->promessa.set_value(ler(FConexao, pendente->consulta, FParar, pendente->prioridade));
}

void ConsultasAntecipadas::trabalhar()
{
    while (const std::shared_ptr<Pendente> pendente = proxima())
        executar(pendente);
}

// The first query started that no thread has taken; none once the reading
// ahead is over.
std::shared_ptr<ConsultasAntecipadas::Pendente> ConsultasAntecipadas::proxima()
{
    std::unique_lock<std::mutex> trava(FMutex);
    for (;;) {
        if (FFim)
            return nullptr;
        const auto livre = std::find_if(FPendentes.begin(), FPendentes.end(),
                                        [](const auto& pendente) { return !pendente->tomada; });
        if (livre != FPendentes.end()) {
            (*livre)->tomada = true;
            return *livre;
        }
        FSinal.wait(trava);
    }
}

// The function's own query would have heard the cancel while it ran; the
// wait hears it in its place and stops the workers, whose queries then
// fail as an interrupted one does.
void ConsultasAntecipadas::esperar(std::future<Leitura>& leitura)
{
    while (leitura.wait_for(kEscuta) != std::future_status::ready) {
        if (host::TnDMSQLDataSet::InterrupcaoPedida())
            FParar = true;
    }
}

std::unique_ptr<host::TnClientDataSet> ConsultasAntecipadas::Retirar(const TnFpaDMPlanilha::Consulta& consulta)
{
    std::shared_ptr<Pendente> pendente;
    {
        const std::lock_guard<std::mutex> trava(FMutex);
        const auto achada = std::find_if(FPendentes.begin(), FPendentes.end(),
                                         [&](const auto& p) { return p->consulta == consulta; });
        if (achada == FPendentes.end())
            return nullptr;
        pendente = *achada;
        FPendentes.erase(achada);
        if (!pendente->tomada) {
            pendente->tomada = true;
            FTrabalhadores.emplace_back([this, pendente] { executar(pendente); });
        }
        if (pendente->leitura.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
            for (const auto& outra : FPendentes)
                outra->prioridade->cederAEspera();
        }
    }
    esperar(pendente->leitura);
    Leitura leitura = pendente->leitura.get();
    if (leitura.falha)
        std::rethrow_exception(leitura.falha);
    return std::move(leitura.dataset);
}

}  // namespace payroll
