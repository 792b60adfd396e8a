#include "ConsultasAntecipadas.h"

#include "host/TnClientDataSet.h"
#include "host/TnDMSQLDataSet.h"

#include <algorithm>
#include <chrono>

namespace payroll {

namespace {

// How often a wait for a worker listens for the user's cancel.
constexpr std::chrono::milliseconds kEscuta{50};

}  // namespace

ConsultasAntecipadas::ConsultasAntecipadas(host::ConnectionText conexao) : FConexao(std::move(conexao)) {}

ConsultasAntecipadas::~ConsultasAntecipadas()
{
    FParar = true;
    for (Pendente& pendente : FPendentes) {
        if (pendente.leitura.valid())
            pendente.leitura.wait();
    }
}

// A session that cannot be opened yields nothing rather than its failure:
// the function runs the query on the program's connection, as it would
// have without a worker, and reports whatever that gives.
ConsultasAntecipadas::Leitura ConsultasAntecipadas::ler(const host::ConnectionText& conexao,
                                                        const TnFpaDMPlanilha::Consulta& consulta,
                                                        const std::atomic<bool>& parar)
{
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
    const auto existente = std::find_if(FPendentes.begin(), FPendentes.end(),
                                        [&](const Pendente& pendente) { return pendente.consulta == consulta; });
    if (existente != FPendentes.end())
        return;
    FPendentes.push_back(
        {consulta, std::async(std::launch::async, &ConsultasAntecipadas::ler, FConexao, consulta, std::cref(FParar))});
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
    const auto pendente = std::find_if(FPendentes.begin(), FPendentes.end(),
                                       [&](const Pendente& p) { return p.consulta == consulta; });
    if (pendente == FPendentes.end())
        return nullptr;
    std::future<Leitura> futuro = std::move(pendente->leitura);
    FPendentes.erase(pendente);
    esperar(futuro);
    Leitura leitura = futuro.get();
    if (leitura.falha)
        std::rethrow_exception(leitura.falha);
    return std::move(leitura.dataset);
}

}  // namespace payroll
