#include "catalog/RegistroFuncoes.h"

#include "Placeholder.h"

#include "catalog/FpaFuncoes.h"
#include "catalog/FuncoesFormatacao.h"
#include "catalog/TabelaFuncoes.h"
#include "catalog/TabelaStrings.h"

#include "host/HostError.h"
#include "host/TnDMPlanilha.h"

#include <spreadsheet/FormulaResult.h>
#include <spreadsheet/FunctionRepository.h>

#include <array>
#include <utility>

namespace catalog {

using spreadsheet::ArgumentTokens;
using spreadsheet::FormulaResult;
using spreadsheet::FunctionProcedure;
using spreadsheet::ParamInfoProcedure;
using spreadsheet::ParamKind;

spreadsheet::WorkbookTag* tagDaPasta(const FormulaResult& result)
{
    return result.workbook().tag();
}

void falhaPegarDM()
{
    throw host::HostError(QStringLiteral("O módulo de dados ligado à pasta não é da classe pedida. PegarDM"));
}

namespace {

using MetodoFpa = void (FpaFuncoes::*)(FormulaResult&, const ArgumentTokens&);

struct FuncaoFpa {
    const char* nome;
    MetodoFpa metodo;
    Placeholder placeholder;
};

// In registration order; the names, ids and declarations come from the
// function table, the targets and placeholders from here.
const std::array<FuncaoFpa, 22> kFpa{{
    {"fpaFunc", &FpaFuncoes::FuncFuncao, Placeholder::doisTextos(QStringLiteral("Func("))},
    {"fpaEvValor", &FpaFuncoes::ValorEventoFuncao, Placeholder::numero(0.03)},
    {"fpaEvRefer", &FpaFuncoes::ReferEventoFuncao, Placeholder::numero(0.02)},
    {"fpaEvBase", &FpaFuncoes::BaseEventoFuncao, Placeholder::numero(0.01)},
    {"fpaRatValor", &FpaFuncoes::ValorEventoRateadoFuncao, Placeholder::numero(0.003)},
    {"fpaRatRefer", &FpaFuncoes::ReferEventoRateadoFuncao, Placeholder::numero(0.002)},
    {"fpaRatBase", &FpaFuncoes::BaseEventoRateadoFuncao, Placeholder::numero(0.001)},
    {"fpaRatCentCusto", &FpaFuncoes::RateioCentruCustoFuncao, Placeholder::numero(0.005)},
    {"fpaRatOutEmp", &FpaFuncoes::RateioOutEmpFuncao, Placeholder::numero(0.004)},
    {"fpaImpCalc", &FpaFuncoes::ImpCalcFuncao, Placeholder::numero(0.1)},
    {"fpaOutEmp", &FpaFuncoes::OutraEmpFuncao, Placeholder::umTexto(QStringLiteral("OutraEmp("))},
    {"fpaProvFer", &FpaFuncoes::ProvisaoFeriasFuncao, Placeholder::numero(0.1)},
    {"fpaProvFerRat", &FpaFuncoes::ProvisaoFeriasRatFuncao, Placeholder::numero(0.1)},
    {"fpaProv13Sal", &FpaFuncoes::Provisao13SalFuncao, Placeholder::numero(0.1)},
    {"fpaProv13SalRat", &FpaFuncoes::Provisao13SalRatFuncao, Placeholder::numero(0.1)},
    {"fpaOrganDescr", &FpaFuncoes::OrganogramaFuncao, Placeholder::umTexto(QStringLiteral("OrganDescr("))},
    {"fpaFuncHistCargo", &FpaFuncoes::HistCargoFuncao, Placeholder::historico("Cargo")},
    {"fpaFuncHistSalario", &FpaFuncoes::HistSalarioFuncao, Placeholder::historico("Salario")},
    {"fpaFuncHistSindicato", &FpaFuncoes::HistSindicatoFuncao, Placeholder::historico("Sindicato")},
    {"fpaFuncHistEscala", &FpaFuncoes::HistEscalaFuncao, Placeholder::historico("Escala")},
    {"fpaFuncTotais", &FpaFuncoes::FuncTotais, Placeholder::doisTextos(QStringLiteral("FuncTotais("))},
    {"fpaGPS", &FpaFuncoes::GPSFuncao, Placeholder::doisTextos(QStringLiteral("GPS("))},
}};

template <std::size_t I>
void procedimentoFpa(FormulaResult& result, const ArgumentTokens& arguments)
{
    if (FpaFuncoes* module = PegarDM<FpaFuncoes>(result)) {
        (module->*kFpa[I].metodo)(result, arguments);
        return;
    }
    kFpa[I].placeholder.avaliar(result, arguments);
}

template <std::size_t... I>
constexpr std::array<FunctionProcedure, sizeof...(I)> procedimentosFpa(std::index_sequence<I...>)
{
    return {&procedimentoFpa<I>...};
}

// Every parameter of every custom function may be left out (kind 3); the
// fifth of "four values and a list" is an optional array (kind 4).
template <int Count, bool List>
void declaracao(int& count, std::vector<ParamKind>& kinds)
{
    count = Count;
    kinds.assign(Count, ParamKind::OptionalValue);
    if (List)
        kinds.back() = ParamKind::OptionalArray;
}

ParamInfoProcedure declaracaoPara(int parametros)
{
    switch (parametros) {
    case 0:
        return &declaracao<0, false>;
    case 1:
        return &declaracao<1, false>;
    case 2:
        return &declaracao<2, false>;
    case 4:
        return &declaracao<4, false>;
    case 5:
        return &declaracao<5, true>;
    case 6:
        return &declaracao<6, false>;
    default:
        throw host::HostError(QStringLiteral("Declaração de parâmetros desconhecida: %1").arg(parametros));
    }
}

const FuncaoRegistrada& entradaDaTabela(const char* nome)
{
    for (const FuncaoRegistrada& funcao : funcoesRegistradas()) {
        if (qstrcmp(funcao.nome, nome) == 0)
            return funcao;
    }
    throw host::HostError(QStringLiteral("Função ausente da tabela de funções: %1").arg(QLatin1String(nome)));
}

void adicionar(const FuncaoRegistrada& funcao, FunctionProcedure procedimento)
{
    spreadsheet::FunctionRepository::instance().Add(TabelaStrings::texto(funcao.idNome), procedimento,
                                                    declaracaoPara(funcao.parametros),
                                                    spreadsheet::ResultKind::Value, funcao.identificador,
                                                    spreadsheet::FunctionCategory::UserDefined);
}

// gerEMP and gerPAG: the base data module answers during a run.
void procedimentoEmpresa(FormulaResult& result, const ArgumentTokens& arguments)
{
    if (host::TnDMPlanilha* module = PegarDM<host::TnDMPlanilha>(result))
        module->EmpresaFuncao(result, arguments);
    else
        Placeholder::umTexto(QStringLiteral("Emp(")).avaliar(result, arguments);
}

void procedimentoPagina(FormulaResult& result, const ArgumentTokens& arguments)
{
    if (host::TnDMPlanilha* module = PegarDM<host::TnDMPlanilha>(result))
        module->PaginaFuncao(result, arguments);
    else
        result.AddValue(QStringLiteral("Pag()"));
}

struct FuncaoGeral {
    const char* nome;
    FunctionProcedure procedimento;
};

const FuncaoGeral kGerais[] = {
    {"gerEMP", &procedimentoEmpresa},
    {"gerPAG", &procedimentoPagina},
    {"FORMATARDATAHORA", &FuncaoFormatarDataHora},
    {"FMTNUM", &FuncaoFmtNum},
    {"REPT", &FuncaoRept},
};

// The host's accounting and cost-centre functions. Their values come from
// the accounting data, which this program does not read; a template shows
// the function's name and first argument, as the payroll placeholders do.
struct FuncaoContabil {
    const char* nome;
    int identificador;
    int parametros;
};

const FuncaoContabil kContabeis[] = {
    {"ctbSAN", 2200, 4},  {"ctbSAT", 2201, 4},  {"ctbMOV", 2202, 4},  {"ctbDEB", 2203, 4},
    {"ctbCRE", 2204, 4},  {"ctbDTA", 2205, 1},  {"ctbDESC", 2206, 1}, {"ctbCLAS", 2207, 1},
    {"ctbTIPO", 2208, 1}, {"ctbAPEL", 2209, 1}, {"ctbPAG", 2210, 0},  {"gerDESC", 2211, 1},
    {"gerCLAS", 2212, 1}, {"gerTIPO", 2213, 1},
};

template <std::size_t I>
void procedimentoContabil(FormulaResult& result, const ArgumentTokens& arguments)
{
    static const Placeholder placeholder = Placeholder::umTexto(QString::fromLatin1(kContabeis[I].nome) + QLatin1Char('('));
    placeholder.avaliar(result, arguments);
}

template <std::size_t... I>
constexpr std::array<FunctionProcedure, sizeof...(I)> procedimentosContabeis(std::index_sequence<I...>)
{
    return {&procedimentoContabil<I>...};
}

}  // namespace

void RegistrarFuncoesFpa()
{
    static bool registered = false;
    if (std::exchange(registered, true))
        return;
    constexpr auto procedimentos = procedimentosFpa(std::make_index_sequence<kFpa.size()>());
    for (std::size_t i = 0; i < kFpa.size(); ++i)
        adicionar(entradaDaTabela(kFpa[i].nome), procedimentos[i]);
}

void RegistrarFuncoesContabeis()
{
    static bool registered = false;
    if (std::exchange(registered, true))
        return;
    constexpr auto procedimentos = procedimentosContabeis(std::make_index_sequence<std::size(kContabeis)>());
    for (std::size_t i = 0; i < std::size(kContabeis); ++i) {
        spreadsheet::FunctionRepository::instance().Add(
            QString::fromLatin1(kContabeis[i].nome), procedimentos[i], declaracaoPara(kContabeis[i].parametros),
            spreadsheet::ResultKind::Value, kContabeis[i].identificador, spreadsheet::FunctionCategory::UserDefined);
    }
}

void RegistrarFuncoesGerais()
{
    static bool registered = false;
    if (std::exchange(registered, true))
        return;
    for (const FuncaoGeral& funcao : kGerais)
        adicionar(entradaDaTabela(funcao.nome), funcao.procedimento);
}

void RegistrarTodasFuncoes()
{
    RegistrarFuncoesFpa();
    RegistrarFuncoesContabeis();
    RegistrarFuncoesGerais();
}

}  // namespace catalog
