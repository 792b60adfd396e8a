#include "payroll/TnFpaDMPlanilha.h"

#include "ConsultasAntecipadas.h"
#include "cadastro/FuncoesCadastro.h"
#include "movimento/FuncoesMovimento.h"
#include "movimento/QuebraFolha.h"
#include "movimento/TextoEvento.h"
#include "payroll/TfpaOMascEvento.h"

#include "host/DateRoutines.h"
#include "host/HostError.h"
#include "host/InclusionList.h"
#include "host/QueryServices.h"
#include "host/TnDMSQLDataSet.h"

namespace payroll {

namespace {

// The summed column of each event and apportionment function.
constexpr int kEventoBase = 4;
constexpr int kEventoRefer = 5;
constexpr int kEventoValor = 6;
constexpr int kRateioOutEmp = 2;
constexpr int kRateioCentroCusto = 3;
constexpr int kRateioBase = 6;
constexpr int kRateioRefer = 7;
constexpr int kRateioValor = 8;

}  // namespace

TnFpaDMPlanilha::TnFpaDMPlanilha() = default;

TnFpaDMPlanilha::~TnFpaDMPlanilha() = default;

void TnFpaDMPlanilha::FuncFuncao(Resultado& r, const Argumentos& a) { FuncoesCadastro::FuncFuncao(*this, r, a); }
void TnFpaDMPlanilha::FuncTotais(Resultado& r, const Argumentos& a) { FuncoesCadastro::FuncTotais(*this, r, a); }
void TnFpaDMPlanilha::GPSFuncao(Resultado& r, const Argumentos& a) { FuncoesCadastro::GPSFuncao(*this, r, a); }
void TnFpaDMPlanilha::HistCargoFuncao(Resultado& r, const Argumentos& a)
{
    FuncoesCadastro::HistCargoFuncao(*this, r, a);
}
void TnFpaDMPlanilha::HistSalarioFuncao(Resultado& r, const Argumentos& a)
{
    FuncoesCadastro::HistSalarioFuncao(*this, r, a);
}
void TnFpaDMPlanilha::HistSindicatoFuncao(Resultado& r, const Argumentos& a)
{
    FuncoesCadastro::HistSindicatoFuncao(*this, r, a);
}
void TnFpaDMPlanilha::HistEscalaFuncao(Resultado& r, const Argumentos& a)
{
    FuncoesCadastro::HistEscalaFuncao(*this, r, a);
}
void TnFpaDMPlanilha::OutraEmpFuncao(Resultado& r, const Argumentos& a)
{
    FuncoesCadastro::OutraEmpFuncao(*this, r, a);
}
void TnFpaDMPlanilha::OrganogramaFuncao(Resultado& r, const Argumentos& a)
{
    FuncoesCadastro::OrganogramaFuncao(*this, r, a);
}

void TnFpaDMPlanilha::ValorEventoFuncao(Resultado& r, const Argumentos& a)
{
    FuncoesMovimento::EventoFuncao(*this, r, a, kEventoValor);
}
void TnFpaDMPlanilha::BaseEventoFuncao(Resultado& r, const Argumentos& a)
{
    FuncoesMovimento::EventoFuncao(*this, r, a, kEventoBase);
}
void TnFpaDMPlanilha::ReferEventoFuncao(Resultado& r, const Argumentos& a)
{
    FuncoesMovimento::EventoFuncao(*this, r, a, kEventoRefer);
}
void TnFpaDMPlanilha::ValorEventoRateadoFuncao(Resultado& r, const Argumentos& a)
{
    FuncoesMovimento::RateioFuncao(*this, r, a, kRateioValor);
}
void TnFpaDMPlanilha::BaseEventoRateadoFuncao(Resultado& r, const Argumentos& a)
{
    FuncoesMovimento::RateioFuncao(*this, r, a, kRateioBase);
}
void TnFpaDMPlanilha::ReferEventoRateadoFuncao(Resultado& r, const Argumentos& a)
{
    FuncoesMovimento::RateioFuncao(*this, r, a, kRateioRefer);
}
void TnFpaDMPlanilha::RateioCentruCustoFuncao(Resultado& r, const Argumentos& a)
{
    FuncoesMovimento::RateioFuncao(*this, r, a, kRateioCentroCusto);
}
void TnFpaDMPlanilha::RateioOutEmpFuncao(Resultado& r, const Argumentos& a)
{
    FuncoesMovimento::RateioFuncao(*this, r, a, kRateioOutEmp);
}
void TnFpaDMPlanilha::ImpCalcFuncao(Resultado& r, const Argumentos& a) { FuncoesMovimento::ImpCalcFuncao(*this, r, a); }
void TnFpaDMPlanilha::ProvisaoFeriasFuncao(Resultado& r, const Argumentos& a)
{
    FuncoesMovimento::ProvisaoFeriasFuncao(*this, r, a);
}
void TnFpaDMPlanilha::Provisao13SalFuncao(Resultado& r, const Argumentos& a)
{
    FuncoesMovimento::Provisao13SalFuncao(*this, r, a);
}
void TnFpaDMPlanilha::ProvisaoFeriasRatFuncao(Resultado& r, const Argumentos& a)
{
    FuncoesMovimento::ProvisaoFeriasRatFuncao(*this, r, a);
}
void TnFpaDMPlanilha::Provisao13SalRatFuncao(Resultado& r, const Argumentos& a)
{
    FuncoesMovimento::Provisao13SalRatFuncao(*this, r, a);
}

host::TnQuebra TnFpaDMPlanilha::CriarQuebra(int estab, int func, const QString& organ, int outEmp, double cenCusto,
                                            int evento, bool porCompetencia)
{
    return QuebraFolha::CriarQuebra(*this, estab, func, organ, outEmp, cenCusto, evento, porCompetencia);
}

void TnFpaDMPlanilha::AplicarQuebra(host::TnClientDataSet& dataset, const host::TnQuebra& quebra)
{
    QuebraFolha::AplicarQuebra(dataset, quebra);
}

void TnFpaDMPlanilha::AplicarFaixaQuebra(host::TnClientDataSet& dataset,
                                         const std::vector<host::TnQuebra::Valor>& pares)
{
    QuebraFolha::AplicarFaixaQuebra(dataset, pares);
}

// The period table is not written during a run, so each company's
// competences are read once per run; a provision cell then costs no query.
void TnFpaDMPlanilha::CarregarCompetencia()
{
    const auto key = std::make_pair(FCodigoEmpresa, FPeriodoCalculo);
    auto found = FCompetencias.find(key);
    if (found == FCompetencias.end()) {
        const QString condition = QStringLiteral("CodigoEmpresa = ")
                                  + host::ValorParaSQL(FCodigoEmpresa, host::FieldType::Integer)
                                  + host::FilterInterval({QStringLiteral("CodigoPerCalculo")}, FPeriodoCalculo.trimmed(),
                                                         {1}, 0, true, 0);
        const QString table = QStringLiteral("PeriodoCalculo");
        const QDateTime first =
            host::VarToDateTimeDef(host::PegarValorCampo(table, QStringLiteral("min(Compet)"), condition), {});
        const QDateTime last =
            host::VarToDateTimeDef(host::PegarValorCampo(table, QStringLiteral("max(Compet)"), condition), {});
        found = FCompetencias.emplace(key, std::array<QDateTime, 2>{first, last.isValid() ? host::EndOfTheMonth(last)
                                                                                          : last})
                    .first;
    }
    FCompetencia = found->second;
}

TfpaOMascEvento& TnFpaDMPlanilha::MasckEvento()
{
    if (!FMasckEvento)
        FMasckEvento = std::make_unique<TfpaOMascEvento>([this](const Consulta& c) { return ExecutarConsulta(c); });
    return *FMasckEvento;
}

std::unique_ptr<host::TnClientDataSet> TnFpaDMPlanilha::ExecutarConsulta(const Consulta& consulta) const
{
    if (FAntecipadas) {
        if (auto dataset = FAntecipadas->Retirar(consulta))
            return dataset;
    }
    return host::ExecutarSQL(consulta.texto, consulta.valores);
}

// A query that cannot even be built now (a bad inclusion list) is left to
// the function: its first call builds it again and raises there, in its
// cell, as it would without the workers.
void TnFpaDMPlanilha::AnteciparConsultas(const QStringList& funcoes)
{
    FAntecipadas.reset();
    FFuncoesAntecipadas.clear();
    if (!host::TnDMSQLDataSet::Conectado())
        return;
    FAntecipadas = std::make_unique<ConsultasAntecipadas>(host::TnDMSQLDataSet::Padrao().conexao());
    FFuncoesAntecipadas = funcoes;
    std::vector<Antecipavel> antecipaveis = FuncoesMovimento::Antecipaveis();
    for (const Antecipavel& antecipavel : FuncoesCadastro::Antecipaveis())
        antecipaveis.push_back(antecipavel);
    Antecipar(antecipaveis);
}

void TnFpaDMPlanilha::AnteciparConsultasDaEmpresa()
{
    if (FAntecipadas)
        Antecipar(TextoEvento::Antecipaveis());
}

// The queries are started in the order of the names, which is the order
// the calculation will want them in.
void TnFpaDMPlanilha::Antecipar(const std::vector<Antecipavel>& antecipaveis)
{
    for (const QString& funcao : FFuncoesAntecipadas) {
        for (const Antecipavel& antecipavel : antecipaveis) {
            if (funcao.compare(QLatin1String(antecipavel.funcao), Qt::CaseInsensitive) != 0)
                continue;
            Consulta consulta;
            try {
                consulta = antecipavel.consulta(*this);
            } catch (const std::exception&) {
                continue;
            }
            FAntecipadas->Iniciar(consulta);
        }
    }
}

void TnFpaDMPlanilha::DestruirCursores()
{
    FAntecipadas.reset();
    for (auto* dataset : {&curMovimento, &curProvisao13Sal, &curOrganograma, &curProvisao13SalRat, &curProvisaoFerias,
                          &curProvisaoFeriasRat, &curFuncionario, &curGPS, &curFuncTotais, &curOutraEmpresa,
                          &curCalculoEvento, &curCalculoRateio, &curImpostoCalculo, &curFuncHistCargo,
                          &curFuncSindicato, &curFuncSalario, &curFuncEscala})
        host::DestruirSQL(*dataset);
    // The formatter keeps the event table and contract and union data of
    // its creation; a later run must not format with them.
    FMasckEvento.reset();
    FCompetencias.clear();
}

void TnFpaDMPlanilha::DataModuleDestroy()
{
    DestruirCursores();
    host::TnDMPlanilha::DataModuleDestroy();
}

void TnFpaDMPlanilha::ExecutarInterno()
{
    if (!FExecucao)
        throw host::HostError(QStringLiteral("Este módulo de dados não foi criado pelo registro de ações e não sabe gerar relatórios."));
    FExecucao(*this);
}

}  // namespace payroll
