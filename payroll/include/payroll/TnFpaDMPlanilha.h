#pragma once

#include "catalog/FpaFuncoes.h"
#include "payroll/ConsultaFolha.h"

#include "host/TnClientDataSet.h"
#include "host/TnDMPlanilha.h"
#include "host/TnQuebra.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace payroll {

class ConsultasAntecipadas;
class TfpaOMascEvento;

// The payroll data module: the run context the generation run fills, the
// datasets the payroll functions keep for a run, and the functions
// themselves. Each function family lives in its own class; the operations
// here hand the call to it.
class TnFpaDMPlanilha : public host::TnDMPlanilha, public catalog::FpaFuncoes {
public:
    TnFpaDMPlanilha();
    ~TnFpaDMPlanilha() override;

    QString ClassName() const override { return QStringLiteral("TnFpaDMPlanilha"); }

    // The generation run that ExecutarInterno performs. The run belongs to
    // the generation subsystem, which builds on this module and installs it
    // when it creates the module through the action registry.
    using Execucao = std::function<void(TnFpaDMPlanilha&)>;
    void SetExecucao(Execucao execucao) { FExecucao = std::move(execucao); }

    void FuncFuncao(Resultado& result, const Argumentos& arguments) override;
    void ValorEventoFuncao(Resultado& result, const Argumentos& arguments) override;
    void ReferEventoFuncao(Resultado& result, const Argumentos& arguments) override;
    void BaseEventoFuncao(Resultado& result, const Argumentos& arguments) override;
    void ValorEventoRateadoFuncao(Resultado& result, const Argumentos& arguments) override;
    void ReferEventoRateadoFuncao(Resultado& result, const Argumentos& arguments) override;
    void BaseEventoRateadoFuncao(Resultado& result, const Argumentos& arguments) override;
    void RateioCentruCustoFuncao(Resultado& result, const Argumentos& arguments) override;
    void RateioOutEmpFuncao(Resultado& result, const Argumentos& arguments) override;
    void ImpCalcFuncao(Resultado& result, const Argumentos& arguments) override;
    void OutraEmpFuncao(Resultado& result, const Argumentos& arguments) override;
    void ProvisaoFeriasFuncao(Resultado& result, const Argumentos& arguments) override;
    void ProvisaoFeriasRatFuncao(Resultado& result, const Argumentos& arguments) override;
    void Provisao13SalFuncao(Resultado& result, const Argumentos& arguments) override;
    void Provisao13SalRatFuncao(Resultado& result, const Argumentos& arguments) override;
    void OrganogramaFuncao(Resultado& result, const Argumentos& arguments) override;
    void HistCargoFuncao(Resultado& result, const Argumentos& arguments) override;
    void HistSalarioFuncao(Resultado& result, const Argumentos& arguments) override;
    void HistSindicatoFuncao(Resultado& result, const Argumentos& arguments) override;
    void HistEscalaFuncao(Resultado& result, const Argumentos& arguments) override;
    void FuncTotais(Resultado& result, const Argumentos& arguments) override;
    void GPSFuncao(Resultado& result, const Argumentos& arguments) override;

    // Function side of the breaks: the chain of (field, value) pairs that
    // narrows a dataset to the cell's block.
    host::TnQuebra CriarQuebra(int estab, int func, const QString& organ, int outEmp, double cenCusto, int evento,
                               bool porCompetencia);
    void AplicarQuebra(host::TnClientDataSet& dataset, const host::TnQuebra& quebra);
    static void AplicarFaixaQuebra(host::TnClientDataSet& dataset, const std::vector<host::TnQuebra::Valor>& pares);
    // Reloads FCompetencia for the current company and period list.
    void CarregarCompetencia();

    // The event-mask formatter, created on first use and released with the
    // run's datasets.
    TfpaOMascEvento& MasckEvento();

    using Consulta = ConsultaFolha;
    // A function whose run dataset can be read ahead, and the one builder
    // of that dataset's query, shared with the function's own first call.
    struct Antecipavel {
        const char* funcao;
        Consulta (*consulta)(const TnFpaDMPlanilha& dm);
    };
    // Runs the query, or hands over the dataset a worker has read for the
    // same query (waiting for it when it is not done), raising what the
    // worker's query raised.
    std::unique_ptr<host::TnClientDataSet> ExecutarConsulta(const Consulta& consulta) const;
    // Starts the queries of the run datasets that the named functions open,
    // each in a thread and on a session of its own, so that they are read
    // while the pages are prepared. Names compare without case.
    void AnteciparConsultas(const QStringList& funcoes);
    // Starts, for the company now being built, the queries that depend on
    // the company (the formatter's contract and union rows) among those the
    // functions named to AnteciparConsultas need.
    void AnteciparConsultasDaEmpresa();

    // Releases every dataset of the run (and the formatter), and stops the
    // queries started ahead, waiting for their threads.
    void DestruirCursores();
    void DataModuleDestroy() override;

    // Run context, filled by the generation run; the functions only read it.
    int FCodigoEmpresa = 0;
    QString FPeriodoCalculo;
    bool FEhMultiplosPeriodoCalculo = false;
    std::array<QDateTime, 2> FCompetencia;
    bool FTemRateio = false;
    QString FIndexFieldNames;
    QStringList FIndiceQuebra;

    // Datasets kept from their first use to the end of the run.
    std::unique_ptr<host::TnClientDataSet> curMovimento;
    std::unique_ptr<host::TnClientDataSet> curProvisao13Sal;
    std::unique_ptr<host::TnClientDataSet> curOrganograma;
    std::unique_ptr<host::TnClientDataSet> curProvisao13SalRat;
    std::unique_ptr<host::TnClientDataSet> curProvisaoFerias;
    std::unique_ptr<host::TnClientDataSet> curProvisaoFeriasRat;
    std::unique_ptr<host::TnClientDataSet> curFuncionario;
    std::unique_ptr<host::TnClientDataSet> curGPS;
    std::unique_ptr<host::TnClientDataSet> curFuncTotais;
    std::unique_ptr<host::TnClientDataSet> curOutraEmpresa;
    std::unique_ptr<host::TnClientDataSet> curCalculoEvento;
    std::unique_ptr<host::TnClientDataSet> curCalculoRateio;
    std::unique_ptr<host::TnClientDataSet> curImpostoCalculo;
    std::unique_ptr<host::TnClientDataSet> curFuncHistCargo;
    std::unique_ptr<host::TnClientDataSet> curFuncSindicato;
    std::unique_ptr<host::TnClientDataSet> curFuncSalario;
    std::unique_ptr<host::TnClientDataSet> curFuncEscala;
    int ixOrganograma_DescrOrgan = -1;

    // Movement field positions (the run's replication).
    int ixMovimento = -1;
    int ixMovimento_CodigoCentroCusto = -1;
    int ixMovimento_CodigoOutEmp = -1;
    int ixMovimento_CodigoEstab = -1;
    int ixMovimento_ClassifOrgan = -1;
    int ixMovimento_CodigoFuncContr = -1;

protected:
    void ExecutarInterno() override;
    QString PeriodosDaExecucao() const override { return FPeriodoCalculo; }

private:
    void Antecipar(const std::vector<Antecipavel>& antecipaveis);

    Execucao FExecucao;
    std::unique_ptr<TfpaOMascEvento> FMasckEvento;
    // Taken from by the functions' first evaluations, which only read the
    // rest of the module.
    mutable std::unique_ptr<ConsultasAntecipadas> FAntecipadas;
    QStringList FFuncoesAntecipadas;
    // Competences already read in this run, by company and period list.
    std::map<std::pair<int, QString>, std::array<QDateTime, 2>> FCompetencias;
};

}  // namespace payroll
