// The table definitions of the payroll database. Key columns come first in
// each table; the names are the ones the payroll queries use.
#include "SchemaCatalogue.h"

#include <array>

namespace host::schema {

namespace {

constexpr Kind I = Kind::Integer;
constexpr Kind M = Kind::Money;
constexpr Kind R = Kind::Rate;
constexpr Kind T = Kind::Text;
constexpr Kind F = Kind::Flag;
constexpr Kind D = Kind::Date;

// Registration of people and contracts.

constexpr ColumnSpec kTipoLogradouro[] = {{"CODIGOTIPOLOGRAD", I}, {"DESCRTIPOLOGRAD", T, 20}};

constexpr ColumnSpec kMunicipio[] = {{"SIGLAESTADO", T, 2}, {"CODIGOMUNIC", I}, {"NOMEMUNIC", T, 60}};

constexpr ColumnSpec kTipoContrato[] = {
    {"CODIGOTIPOCONTR", I},
    {"DESCRTIPOCONTR", T, 40},
    {"PROPORCCALCULO13DIA", F},
    {"PROPORCCALCULOFERIASDIA", F},
};

constexpr ColumnSpec kFuncPessoa[] = {
    {"CODIGOFUNCPESSOA", I}, {"NOMEFUNC", T, 60},   {"APELIDOFUNC", T, 30},     {"CPFFUNC", T, 11},
    {"DATANASC", D},         {"PISFUNC", T, 11},    {"NUMERORG", T, 15},        {"TITELEIT", T, 15},
    {"CNHFUNC", T, 15},      {"CATEGCNH", T, 3},    {"VALIDCNH", D},            {"DDDFONE", T, 4},
    {"NUMEROFONE", T, 12},   {"ENDERELETR", T, 60}, {"CODIGOTIPOLOGRAD", I},    {"ENDERFUNC", T, 60},
    {"NUMEROENDER", T, 10},  {"COMPLENDER", T, 30}, {"BAIRROFUNC", T, 40},      {"SIGLAESTADO", T, 2},
    {"CODIGOMUNIC", I},      {"CEPFUNC", T, 8},
};

constexpr ColumnSpec kFuncContrato[] = {
    {"CODIGOEMPRESA", I}, {"CODIGOFUNCCONTR", I}, {"CODIGOFUNCPESSOA", I},
    {"CODIGOTIPOCONTR", I}, {"DATAADM", D}, {"DATADEM", D},
};

// Companies, establishments and their configuration.

constexpr ColumnSpec kEmpresa[] = {
    {"CODIGOEMPRESA", I},         {"NOMEEMPRESA", T, 60},       {"NOMEFANTASIA", T, 60},
    {"CODIGONATJURIDICA", T, 5},  {"DESCRNATJURIDICA", T, 60},  {"EXERCICIOINICIAL", D},
    {"EXERCICIOFINAL", D},        {"CODIGOCONTFISCAL", I},      {"NOMECONTFISCAL", T, 60},
    {"TIPOINSCRCONTFISCAL", I},   {"INSCRCONTFISCAL", T, 14},   {"CRCCONTFISCAL", T, 20},
    {"TITULOCONTFISCAL", T, 40},  {"CODIGOCONTRESP", I},        {"NOMECONTRESP", T, 60},
    {"TIPOINSCRCONTRESP", I},     {"INSCRCONTRESP", T, 14},     {"CRCCONTRESP", T, 20},
    {"TITULOCONTRESP", T, 40},    {"CODIGOSOCIO", I},           {"NOMESOCIO", T, 60},
    {"TIPOINSCRSOCIO", I},        {"INSCRSOCIO", T, 14},        {"CARGOSOCIO", T, 40},
    {"ENQUADRAMENTOJUNTA", T, 40}, {"CAPITALSOCIAL", M},        {"VALORNOMINALCOTAS", M},
};

constexpr ColumnSpec kEstab[] = {
    {"CODIGOEMPRESA", I},          {"CODIGOESTAB", I},            {"NOMEESTAB", T, 60},
    {"CODIGOTIPOLOGRAD", I},       {"ENDERESTAB", T, 60},         {"NUMEROENDER", T, 10},
    {"COMPLENDER", T, 30},         {"BAIRROESTAB", T, 40},        {"DATAALTERENDER", D},
    {"SIGLAESTADO", T, 2},         {"CODIGOMUNIC", I},            {"CEP", T, 8},
    {"DDDFONE", T, 4},             {"NUMEROFONE", T, 12},         {"DDDFAX", T, 4},
    {"NUMEROFAX", T, 12},          {"CAIXAPOSTAL", T, 10},        {"SIGLAESTADOCXPOSTAL", T, 2},
    {"CEPCXPOSTAL", T, 8},         {"ENDERELETR", T, 60},         {"PAGINAINTER", T, 60},
    {"TIPOINSCR", I},              {"INSCRFEDERAL", T, 14},       {"INSCRESTADUAL", T, 20},
    {"INSCRMUNICIPAL", T, 20},     {"TIPOREGISTRO", T, 30},       {"NUMEROREGISTRO", T, 20},
    {"DATAREGISTRO", D},           {"OBSREGISTRO", T, 60},        {"CODIGOATIVFEDERAL", T, 10},
    {"DESCRATIVFEDERAL", T, 60},   {"CODIGOATIVESTADUAL", T, 10}, {"DESCRATIVESTADUAL", T, 60},
    {"CODIGOATIVMUNICIPAL", T, 10}, {"DESCRATIVMUNICIPAL", T, 60},
};

constexpr ColumnSpec kOrganograma[] = {
    {"CODIGOEMPRESA", I}, {"CODIGOESTAB", I}, {"CLASSIFORGAN", T, 20}, {"DESCRORGAN", T, 60}};

constexpr ColumnSpec kAnuidade[] = {{"CODIGOANUIDADE", I}, {"DESCRANUIDADE", T, 40}, {"TIPOANUIDADE", I}};

constexpr ColumnSpec kCfgEmpresaFpa[] = {
    {"CODIGOEMPRESA", I}, {"ANUIDADETEMPOSERVICO", I}, {"CODIGOANUIDADE", I}};

constexpr ColumnSpec kCfgEstabFpa[] = {{"CODIGOEMPRESA", I}, {"CODIGOESTAB", I}, {"CODIGOTABGPS", I}};

constexpr ColumnSpec kGps[] = {
    {"CODIGOEMPRESA", I},       {"CODIGOTABGPS", I},          {"DATAINICIAL", D},
    {"CODIGOIMPOSTO", I},       {"VARIACAOIMPOSTO", I},       {"CODIGOIMPOSTO13", I},
    {"VARIACAOIMPOSTO13", I},   {"CODIGOIMPOSTOTERC", I},     {"VARIACAOIMPOSTOTERC", I},
    {"CODIGOIMPOSTOTERC13", I}, {"VARIACAOIMPOSTOTERC13", I}, {"CODIGOFPAS", I},
    {"CODIGOACIDTRAB", I},      {"TERCEIROS", T, 4},          {"PERCPARTEEMP", R},
    {"PERCENTFINANC", R},       {"PERCPRODRURAIS", R},        {"PERCPARTESAT", R},
    {"PERCPARTETERC", R},       {"PERCDIRAUTON", R},          {"PERCISENCAOFILANT", R},
    {"PERCACRESCFAP", R},       {"PERCCOOPTRAB", R},
};

constexpr ColumnSpec kOutraEmpresa[] = {
    {"CODIGOOUTEMP", I},     {"NOMEOUTEMP", T, 60},  {"FANTOUTEMP", T, 40},   {"CODIGOTIPOLOGRAD", I},
    {"ENDEROUTEMP", T, 60},  {"NUMEROENDER", T, 10}, {"COMPLENDER", T, 30},   {"BAIRROOUTEMP", T, 40},
    {"SIGLAESTADO", T, 2},   {"CODIGOMUNIC", I},     {"CEP", T, 8},           {"DDDFONE", T, 4},
    {"NUMEROFONE", T, 12},   {"DDDFAX", T, 4},       {"NUMEROFAX", T, 12},    {"ENDERELETR", T, 60},
    {"PAGINAINTER", T, 60},  {"TIPOINSCR", I},       {"INSCRFEDERAL", T, 14}, {"PORTEEMP", I},
};

constexpr ColumnSpec kOutraEmpEmp[] = {{"CODIGOEMPRESA", I}, {"CODIGOOUTEMP", I}};

constexpr ColumnSpec kOpcaoSistema[] = {{"FORMACALCFER13SAL", I}};

// Payroll periods and the employee's place in each.

constexpr ColumnSpec kPeriodoCalculo[] = {
    {"CODIGOEMPRESA", I}, {"CODIGOPERCALCULO", I}, {"DESCRPERCALCULO", T, 40}, {"TIPOPERCALCULO", I},
    {"COMPET", D},        {"DATAINICIALFOLHA", D}, {"DATAFINALFOLHA", D},
};

constexpr ColumnSpec kFuncPerCalculo[] = {
    {"CODIGOEMPRESA", I}, {"CODIGOFUNCCONTR", I}, {"CODIGOPERCALCULO", I}, {"DATALOCAL", D}};

constexpr ColumnSpec kFuncLocal[] = {
    {"CODIGOEMPRESA", I}, {"CODIGOFUNCCONTR", I}, {"DATATRANSF", D}, {"CODIGOESTAB", I}, {"CLASSIFORGAN", T, 20}};

constexpr ColumnSpec kFuncLocalCtb[] = {
    {"CODIGOEMPRESA", I}, {"CODIGOFUNCCONTR", I}, {"DATAOPCAO", D}, {"CODIGOLOCALCTB", I}};

constexpr ColumnSpec kFuncCtps[] = {
    {"CODIGOEMPRESA", I}, {"CODIGOFUNCCONTR", I}, {"DATAINICIAL", D},
    {"NUMEROCTPS", T, 11}, {"SERIECTPS", T, 5}, {"UFCTPS", T, 2},
};

constexpr ColumnSpec kReciboFerias[] = {
    {"CODIGOEMPRESA", I}, {"CODIGOFUNCCONTR", I}, {"DATAINICIALFERIAS", D}, {"DATAFINALFERIAS", D},
    {"DIASFERIAS", I},
};

// Employee histories and what they refer to.

constexpr ColumnSpec kCargo[] = {{"CODIGOCARGO", I}, {"DESCRCARGO", T, 60}, {"CBO", T, 6}};

constexpr ColumnSpec kFuncCargo[] = {
    {"CODIGOEMPRESA", I}, {"CODIGOFUNCCONTR", I}, {"DATAINICIAL", D}, {"CODIGOCARGO", I}};

constexpr ColumnSpec kEscala[] = {{"CODIGOESCALA", I}, {"DESCRESCALA", T, 60}};

constexpr ColumnSpec kFuncEscala[] = {
    {"CODIGOEMPRESA", I}, {"CODIGOFUNCCONTR", I}, {"DATAINICIAL", D}, {"CODIGOESCALA", I}, {"REGIMEJOR", I}};

constexpr ColumnSpec kMotivo[] = {{"CODIGOMOTIVO", I}, {"DESCRMOTIVO", T, 60}};

constexpr ColumnSpec kFuncSalario[] = {
    {"CODIGOEMPRESA", I}, {"CODIGOFUNCCONTR", I}, {"DATAINICIAL", D}, {"SEQ", I},
    {"TIPOSALARIO", I},   {"VALORSAL", M},        {"CODIGOMOTIVO", I},
};

constexpr ColumnSpec kSindicato[] = {{"CODIGOSIND", I}, {"NOMESIND", T, 60}};

constexpr ColumnSpec kSindConvencao[] = {
    {"CODIGOSIND", I}, {"DATAINICIAL", D}, {"TIPOQUEBRACAIXA", I}, {"ANUIDADETEMPOSERVICO", I},
    {"CODIGOANUIDADE", I},
};

constexpr ColumnSpec kSindContrib[] = {
    {"CODIGOSIND", I}, {"CONTRIBSIND", I}, {"DATAINICIAL", D}, {"TIPOCONTRIB", I}};

constexpr ColumnSpec kFuncSindicato[] = {
    {"CODIGOEMPRESA", I},   {"CODIGOFUNCCONTR", I}, {"DATAINICIAL", D},     {"CODIGOSIND", I},
    {"SINDICALIZADO", F},   {"DESCMENSSIND", F},    {"DESCCUSTCONFED", F},  {"DESCTAXAASSIST", F},
    {"DESCONTAREVSAL", F},  {"DESCCONTRIBSIND", F}, {"MESCONTRIBSIND", I},
};

constexpr ColumnSpec kFuncHistAnuidade[] = {
    {"CODIGOEMPRESA", I}, {"CODIGOFUNCCONTR", I}, {"DATAINICIO", D}, {"TIPOANUIDADE", I}};

// Events and the results of the payroll calculation.

// ReferEvento of the event table is the unit code of the reference (1
// hours, 3 and 7 percent, 4 days); it shares the numeric type of the
// calculated reference of the same name.
constexpr ColumnSpec kEvento[] = {
    {"CODIGOEVENTO", I}, {"DESCREVENTO", T, 60}, {"CODIGOPROCED", I}, {"CODIGOESTRUT", T, 20}, {"REFEREVENTO", R}};

constexpr ColumnSpec kCalculoEvento[] = {
    {"CODIGOEMPRESA", I}, {"CODIGOFUNCCONTR", I}, {"CODIGOPERCALCULO", I}, {"CODIGOEVENTO", I},
    {"BASEEVENTO", M},    {"REFEREVENTO", R},     {"VALOREVENTO", M},
};

constexpr ColumnSpec kCalculoRateio[] = {
    {"CODIGOEMPRESA", I},      {"CODIGOFUNCCONTR", I}, {"CODIGOPERCALCULO", I}, {"CODIGOOUTEMP", I},
    {"CODIGOCENTROCUSTO", I},  {"CODIGOPROFTIPOAULA", I}, {"CODIGOEVENTO", I},  {"BASEEVENTO", M},
    {"REFEREVENTO", R},        {"VALOREVENTO", M},
};

constexpr ColumnSpec kImpostoCalculo[] = {
    {"CODIGOEMPRESA", I},      {"CODIGOFUNCCONTR", I},     {"CODIGOPERCALCULO", I},   {"CODIGOOUTEMP", I},
    {"CODIGOCENTROCUSTO", I},  {"COMPROCESSO", F},         {"CODIGOESTAB", I},        {"CLASSIFORGAN", T, 20},
    {"VALORFGTSNORM", M},      {"VALORFGTS13", M},         {"VALORADICFGTSNORM", M},  {"VALORADICFGTS13", M},
    {"BASEFGTSNORM", M},       {"BASEFGTS13", M},          {"BASEFGTS13COMPL", M},    {"BASEFGTS13ADTO", M},
    {"SALINSSADIC", M},        {"SALINSSCOMIS", M},        {"SALINSSHORAEXTRA", M},   {"SALINSS1TERCFERIAS", M},
    {"SALINSSFIXO", M},        {"SALINSSCONTRIB", M},      {"BASEINSSEMP", M},        {"BASEINSS13EMP", M},
    {"BASEINSSFUNC", M},       {"BASEINSS13FUNC", M},      {"VALORINSS", M},          {"VALORINSS13", M},
    {"INSSPARTEEMP", M},       {"INSSENTFINANC", M},       {"INSSPARTESAT", M},       {"INSSPARTETERC", M},
    {"INSSDIRAUTON", M},       {"INSSSALEDUCACAO", M},     {"INSSINCRA", M},          {"INSSSENAI", M},
    {"INSSSESI", M},           {"INSSSENAC", M},           {"INSSSEST", M},           {"INSSSENAT", M},
    {"INSSSESC", M},           {"INSSSEBRAE", M},          {"INSSDPC", M},            {"INSSFAER", M},
    {"INSSSESCOOP", M},        {"INSSSENAR", M},           {"ISENCAOFILANTROPICA", M}, {"ACRESFAP", M},
    {"ISENCAOCONVENIOS", M},   {"SALFAMILIA", M},          {"DEDUCAO", M},            {"ACRESSAT", M},
    {"BASEPISNORM", M},        {"BASEPIS13", M},           {"VALORPISNORM", M},       {"VALORPIS13", M},
    {"REMUNERACAO", M},
};

// Provisions.

constexpr ColumnSpec kProvisaoFerias[] = {
    {"CODIGOEMPRESA", I},  {"CODIGOFUNCCONTR", I}, {"COMPET", D},         {"AVOS", M},
    {"SALBASE", M},        {"ADICIONAL", M},       {"MEDIAHORAEXTRA", M}, {"MEDIAVALORVAR", M},
    {"AJUSTE", M},         {"AJUSTE1TERC", M},     {"AJUSTEINSS", M},     {"AJUSTEFGTS", M},
    {"AJUSTEPIS", M},      {"MES", M},             {"MES1TERC", M},       {"MESINSS", M},
    {"MESFGTS", M},        {"MESPIS", M},          {"FERIASPAGAS", M},    {"FERIASPAGAS1TERC", M},
    {"FERIASPAGASINSS", M}, {"FERIASPAGASFGTS", M}, {"FERIASPAGASPIS", M}, {"DIFERPGTO", M},
    {"DIFERPGTOINSS", M},  {"DIFERPGTOFGTS", M},   {"DIFERPGTOPIS", M},   {"SALDO", M},
    {"SALDO1TERC", M},     {"SALDOINSS", M},       {"SALDOFGTS", M},      {"SALDOPIS", M},
};

constexpr ColumnSpec kProvisaoFerRat[] = {
    {"CODIGOEMPRESA", I}, {"CODIGOFUNCCONTR", I}, {"COMPET", D},       {"CODIGOOUTEMP", I},
    {"CODIGOCENTROCUSTO", I}, {"AJUSTE", M},      {"AJUSTE1TERC", M},  {"AJUSTEINSS", M},
    {"AJUSTEFGTS", M},    {"AJUSTEPIS", M},       {"MES", M},          {"MES1TERC", M},
    {"MESINSS", M},       {"MESFGTS", M},         {"MESPIS", M},       {"DIFERPGTO", M},
    {"DIFERPGTOINSS", M}, {"DIFERPGTOFGTS", M},   {"DIFERPGTOPIS", M}, {"PAGO", M},
    {"PAGO1TERC", M},     {"PAGOINSS", M},        {"PAGOFGTS", M},     {"PAGOPIS", M},
};

constexpr ColumnSpec kProvisaoFeriasEmDias[] = {
    {"CODIGOEMPRESA", I},
    {"CODIGOFUNCCONTR", I},
    {"COMPET", D},
    {"CODIGOESTAB", I},
    {"AVOS", M},
    {"SALARIOBASE", M},
    {"ADICIONAL", M},
    {"MEDIAHORAEXTRA", M},
    {"MEDIAVALORVARIAVEL", M},
    {"AJUSTEREMUNERACAO", M},
    {"AJUSTETERCOFERIAS", M},
    {"AJUSTEINSS", M},
    {"AJUSTEFGTS", M},
    {"AJUSTEPIS", M},
    {"PROVISAOMESREMUNERACAO", M},
    {"PROVISAOMESTERCOFERIAS", M},
    {"PROVISAOMESINSS", M},
    {"PROVISAOMESFGTS", M},
    {"PROVISAOMESPIS", M},
    {"PAGOREMUNERACAO", M},
    {"PAGOTERCOFERIAS", M},
    {"PAGOINSS", M},
    {"PAGOFGTS", M},
    {"PAGOPIS", M},
    {"DIFERENCAPAGAMENTOREMUNERACAO", M},
    {"DIFERENCAPAGAMENTOTERCOFERIAS", M},
    {"DIFERENCAPAGAMENTOINSS", M},
    {"DIFERENCAPAGAMENTOFGTS", M},
    {"DIFERENCAPAGAMENTOPIS", M},
    {"SALDOFINALREMUNERACAO", M},
    {"SALDOFINALTERCOFERIAS", M},
    {"SALDOFINALINSS", M},
    {"SALDOFINALFGTS", M},
    {"SALDOFINALPIS", M},
};

constexpr ColumnSpec kProvisaoFeriasEmDiasRateio[] = {
    {"CODIGOEMPRESA", I},
    {"CODIGOFUNCCONTR", I},
    {"COMPET", D},
    {"CODIGOESTAB", I},
    {"CODIGOOUTEMPEMP", I},
    {"CODIGOCENTROCUSTO", I},
    {"AJUSTEREMUNERACAO", M},
    {"AJUSTETERCOFERIAS", M},
    {"AJUSTEINSS", M},
    {"AJUSTEFGTS", M},
    {"AJUSTEPIS", M},
    {"PROVISAOMESREMUNERACAO", M},
    {"PROVISAOMESTERCOFERIAS", M},
    {"PROVISAOMESINSS", M},
    {"PROVISAOMESFGTS", M},
    {"PROVISAOMESPIS", M},
    {"DIFERENCAPAGAMENTOREMUNERACAO", M},
    {"DIFERENCAPAGAMENTOTERCOFERIAS", M},
    {"DIFERENCAPAGAMENTOINSS", M},
    {"DIFERENCAPAGAMENTOFGTS", M},
    {"DIFERENCAPAGAMENTOPIS", M},
    {"PAGOREMUNERACAO", M},
    {"PAGOTERCOFERIAS", M},
    {"PAGOINSS", M},
    {"PAGOFGTS", M},
    {"PAGOPIS", M},
};

constexpr ColumnSpec kProvisao13[] = {
    {"CODIGOEMPRESA", I}, {"CODIGOFUNCCONTR", I}, {"COMPET", D},          {"AVOS", M},
    {"SALBASE", M},       {"ADICIONAL", M},       {"MEDIAHORAEXTRA", M},  {"MEDIAVALORVAR", M},
    {"AJUSTE", M},        {"AJUSTEINSS", M},      {"AJUSTEFGTS", M},      {"AJUSTEPIS", M},
    {"MES", M},           {"MESINSS", M},         {"MESFGTS", M},         {"MESPIS", M},
    {"PAGO", M},          {"PAGOINSS", M},        {"PAGOFGTS", M},        {"PAGOPIS", M},
    {"DIFERPGTO", M},     {"DIFERPGTOINSS", M},   {"DIFERPGTOFGTS", M},   {"DIFERPGTOPIS", M},
    {"SALDO", M},         {"SALDOINSS", M},       {"SALDOFGTS", M},       {"SALDOPIS", M},
    {"INDENIZ", M},       {"INDENIZFGTS", M},     {"INDENIZPIS", M},      {"ADIANT", M},
    {"ADIANTFGTS", M},
};

constexpr ColumnSpec kProvisao13Rat[] = {
    {"CODIGOEMPRESA", I}, {"CODIGOFUNCCONTR", I}, {"COMPET", D},        {"CODIGOOUTEMP", I},
    {"CODIGOCENTROCUSTO", I}, {"AJUSTE", M},      {"AJUSTEINSS", M},    {"AJUSTEFGTS", M},
    {"AJUSTEPIS", M},     {"MES", M},             {"MESINSS", M},       {"MESFGTS", M},
    {"MESPIS", M},        {"PAGO", M},            {"PAGOINSS", M},      {"PAGOFGTS", M},
    {"PAGOPIS", M},       {"DIFERPGTO", M},       {"DIFERPGTOINSS", M}, {"DIFERPGTOFGTS", M},
    {"DIFERPGTOPIS", M},
};

constexpr TableSpec kTables[] = {
    {"TIPOLOGRADOURO", kTipoLogradouro, 1},
    {"MUNICIPIO", kMunicipio, 2},
    {"TIPOCONTRATO", kTipoContrato, 1},
    {"ANUIDADE", kAnuidade, 1},
    {"CARGO", kCargo, 1},
    {"ESCALA", kEscala, 1},
    {"MOTIVO", kMotivo, 1},
    {"SINDICATO", kSindicato, 1},
    {"SINDCONVENCAO", kSindConvencao, 2},
    {"SINDCONTRIB", kSindContrib, 3},
    {"EVENTO", kEvento, 1},
    {"OUTRAEMPRESA", kOutraEmpresa, 1},
    {"OPCAOSISTEMA", kOpcaoSistema, 0},
    {"EMPRESA", kEmpresa, 1},
    {"ESTAB", kEstab, 2},
    {"ORGANOGRAMA", kOrganograma, 3},
    {"CFGEMPRESAFPA", kCfgEmpresaFpa, 1},
    {"CFGESTABFPA", kCfgEstabFpa, 3},
    {"GPS", kGps, 3},
    {"OUTRAEMPEMP", kOutraEmpEmp, 2},
    {"PERIODOCALCULO", kPeriodoCalculo, 2},
    {"FUNCPESSOA", kFuncPessoa, 1},
    {"FUNCCONTRATO", kFuncContrato, 2},
    {"FUNCLOCAL", kFuncLocal, 3},
    {"FUNCLOCALCTB", kFuncLocalCtb, 3},
    {"FUNCCTPS", kFuncCtps, 3},
    {"FUNCCARGO", kFuncCargo, 3},
    {"FUNCESCALA", kFuncEscala, 3},
    {"FUNCSALARIO", kFuncSalario, 4},
    {"FUNCSINDICATO", kFuncSindicato, 3},
    {"FUNCHISTANUIDADE", kFuncHistAnuidade, 3},
    {"RECIBOFERIAS", kReciboFerias, 3},
    {"FUNCPERCALCULO", kFuncPerCalculo, 3},
    {"CALCULOEVENTO", kCalculoEvento, 4},
    {"CALCULORATEIO", kCalculoRateio, 7},
    {"IMPOSTOCALCULO", kImpostoCalculo, 6},
    {"PROVISAOFERIAS", kProvisaoFerias, 3},
    {"PROVISAOFERRAT", kProvisaoFerRat, 5},
    {"PROVISAOFERIASEMDIAS", kProvisaoFeriasEmDias, 4},
    {"PROVISAOFERIASEMDIASRATEIO", kProvisaoFeriasEmDiasRateio, 6},
    {"PROVISAO13", kProvisao13, 3},
    {"PROVISAO13RAT", kProvisao13Rat, 5},
};

// The big tables are keyed by employee first; the run's period and
// competence conditions read them by period, so each also gets an index
// that starts with the company and the period.
constexpr IndexSpec kIndexes[] = {
    {"IX_FUNCPERCALCULO_PERIODO", "FUNCPERCALCULO", "CODIGOEMPRESA, CODIGOPERCALCULO"},
    {"IX_CALCULOEVENTO_PERIODO", "CALCULOEVENTO", "CODIGOEMPRESA, CODIGOPERCALCULO, CODIGOEVENTO"},
    {"IX_CALCULORATEIO_PERIODO", "CALCULORATEIO", "CODIGOEMPRESA, CODIGOPERCALCULO"},
    {"IX_IMPOSTOCALCULO_PERIODO", "IMPOSTOCALCULO", "CODIGOEMPRESA, CODIGOPERCALCULO"},
    {"IX_PROVISAOFERIAS_COMPET", "PROVISAOFERIAS", "CODIGOEMPRESA, COMPET"},
    {"IX_PROVISAOFERRAT_COMPET", "PROVISAOFERRAT", "CODIGOEMPRESA, COMPET"},
    {"IX_PROVFERIASEMDIAS_COMPET", "PROVISAOFERIASEMDIAS", "CODIGOEMPRESA, COMPET"},
    {"IX_PROVFERIASEMDIASRAT_COMPET", "PROVISAOFERIASEMDIASRATEIO", "CODIGOEMPRESA, COMPET"},
    {"IX_PROVISAO13_COMPET", "PROVISAO13", "CODIGOEMPRESA, COMPET"},
    {"IX_PROVISAO13RAT_COMPET", "PROVISAO13RAT", "CODIGOEMPRESA, COMPET"},
    {"IX_FUNCCONTRATO_PESSOA", "FUNCCONTRATO", "CODIGOFUNCPESSOA"},
    {"IX_RECIBOFERIAS_PERIODO", "RECIBOFERIAS", "CODIGOEMPRESA, DATAINICIALFERIAS, DATAFINALFERIAS"},
};

}  // namespace

std::span<const TableSpec> tables()
{
    return kTables;
}

std::span<const IndexSpec> indexes()
{
    return kIndexes;
}

}  // namespace host::schema
