#pragma once

#include "payroll/TnFpaDMPlanilha.h"

#include "host/ConnectionText.h"

#include <atomic>
#include <exception>
#include <future>
#include <memory>
#include <vector>

namespace host {
class TnClientDataSet;
}

namespace payroll {

// Queries of a run read ahead: each runs in a thread of its own on a
// read-only session of its own, opened and closed in that thread; the
// dataset (or the failure) waits for the function that needs it.
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
        std::future<Leitura> leitura;
    };

    static Leitura ler(const host::ConnectionText& conexao, const TnFpaDMPlanilha::Consulta& consulta,
                       const std::atomic<bool>& parar, const std::shared_ptr<Prioridade>& prioridade);
    void esperar(std::future<Leitura>& leitura);

    host::ConnectionText FConexao;
    std::atomic<bool> FParar{false};
    std::vector<Pendente> FPendentes;
};

}  // namespace payroll
