#pragma once

#include "payroll/TnFpaDMPlanilha.h"

#include "host/ConnectionText.h"

#include <atomic>
#include <condition_variable>
#include <exception>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace host {
class TnClientDataSet;
}

namespace payroll {

// Queries of a run read ahead, each on a read-only session of its own,
// opened and closed in the thread that runs it; the dataset (or the
// failure) waits for the function that needs it. The queries run in the
// order they were started, as many at once as there are cores, so that
// the first the calculation needs is ready first; one the calculation
// waits for before its turn starts at once on a thread of its own.
class ConsultasAntecipadas {
public:
    explicit ConsultasAntecipadas(host::ConnectionText conexao);
    // Stops the queries still running and waits for every thread.
    ~ConsultasAntecipadas();
    ConsultasAntecipadas(const ConsultasAntecipadas&) = delete;
    ConsultasAntecipadas& operator=(const ConsultasAntecipadas&) = delete;

    void Iniciar(const TnFpaDMPlanilha::Consulta& consulta);
    // The dataset read for that query, once it is done; null when none was
    // started for it, or when its session could not be opened (the caller
    // then runs the query on its own connection, which tells why). A query
    // that failed raises its own failure here, once.
    std::unique_ptr<host::TnClientDataSet> Retirar(const TnFpaDMPlanilha::Consulta& consulta);

private:
    struct Leitura {
        std::unique_ptr<host::TnClientDataSet> dataset;
        std::exception_ptr falha;
    };
    struct Prioridade;
    struct Pendente {
        TnFpaDMPlanilha::Consulta consulta;
        std::shared_ptr<Prioridade> prioridade;
        std::promise<Leitura> promessa;
        std::future<Leitura> leitura;
        bool tomada = false;  // a thread has taken it
    };

    static Leitura ler(const host::ConnectionText& conexao, const TnFpaDMPlanilha::Consulta& consulta,
                       const std::atomic<bool>& parar, const std::shared_ptr<Prioridade>& prioridade);
    void executar(const std::shared_ptr<Pendente>& pendente);
    void trabalhar();
    std::shared_ptr<Pendente> proxima();
    void esperar(std::future<Leitura>& leitura);

    host::ConnectionText FConexao;
    std::atomic<bool> FParar{false};
    std::mutex FMutex;
    std::condition_variable FSinal;
    bool FFim = false;
    std::size_t FNaFila = 0;  // threads that take the queries in turn
    // Started and not yet taken by the calculation, in the order started.
    std::vector<std::shared_ptr<Pendente>> FPendentes;
    std::vector<std::thread> FTrabalhadores;
};

}  // namespace payroll
