// Generated tables of the function catalogue; do not edit by hand.

#include "Dados.h"

namespace catalog::dados {

namespace {

constexpr FuncaoRegistrada kFuncoes[] = {
    {"fpaFunc", 65434, 2148, 2},
    {"fpaEvValor", 65435, 2149, 4},
    {"fpaEvRefer", 65436, 2150, 5},
    {"fpaEvBase", 65437, 2151, 4},
    {"fpaRatValor", 65438, 2152, 6},
    {"fpaRatRefer", 65439, 2153, 6},
    {"fpaRatBase", 65408, 2154, 6},
    {"fpaRatCentCusto", 65409, 2155, 6},
    {"fpaRatOutEmp", 65410, 2156, 6},
    {"fpaImpCalc", 65411, 2157, 6},
    {"fpaOutEmp", 65412, 2158, 2},
    {"fpaProvFer", 65413, 2159, 4},
    {"fpaProvFerRat", 65414, 2160, 6},
    {"fpaProv13Sal", 65415, 2161, 4},
    {"fpaProv13SalRat", 65416, 2162, 6},
    {"fpaOrganDescr", 65417, 2163, 2},
    {"fpaFuncHistCargo", 65418, 2164, 2},
    {"fpaFuncHistSalario", 65419, 2165, 2},
    {"fpaFuncHistSindicato", 65420, 2166, 2},
    {"fpaFuncHistEscala", 65421, 2167, 2},
    {"fpaFuncTotais", 65422, 2168, 1},
    {"fpaGPS", 65423, 2169, 2},
    {"gerEMP", 65392, 2054, 2},
    {"gerPAG", 65393, 2059, 0},
    {"FORMATARDATAHORA", 65394, 2060, 2},
    {"FMTNUM", 65395, 2075, 2},
    {"REPT", 65396, 2061, 2},
};

// In ascending id order.
constexpr EntradaString kStrings[] = {
    {65392, "gerEMP"},
    {65393, "gerPAG"},
    {65394, "FORMATARDATAHORA"},
    {65395, "FMTNUM"},
    {65396, "REPT"},
    {65408, "fpaRatBase"},
    {65409, "fpaRatCentCusto"},
    {65410, "fpaRatOutEmp"},
    {65411, "fpaImpCalc"},
    {65412, "fpaOutEmp"},
    {65413, "fpaProvFer"},
    {65414, "fpaProvFerRat"},
    {65415, "fpaProv13Sal"},
    {65416, "fpaProv13SalRat"},
    {65417, "fpaOrganDescr"},
    {65418, "fpaFuncHistCargo"},
    {65419, "fpaFuncHistSalario"},
    {65420, "fpaFuncHistSindicato"},
    {65421, "fpaFuncHistEscala"},
    {65422, "fpaFuncTotais"},
    {65423, "fpaGPS"},
    {65434, "fpaFunc"},
    {65435, "fpaEvValor"},
    {65436, "fpaEvRefer"},
    {65437, "fpaEvBase"},
    {65438, "fpaRatValor"},
    {65439, "fpaRatRefer"},
    {66001, "Retorna saldo anterior da Conta Contábil passada em nConta, acumulada ou de um determinado Mês, de acordo com nMesRef e de uma determinada Filial ou acumulada."},
    {66002, "Retorna saldo atual da Conta Contábil passada em nConta, acumulada ou de um determinado Mês, de acordo com nMesRef e de uma determinada Filial ou acumulada."},
    {66003, "Retorna o movimento da Conta Contábil passada em nConta, acumulada ou de um determinado Mês, de acordo com nMesRef e de uma determinada Filial ou acumulada."},
    {66004, "Retorna o valor total dos débitos da Conta Contábil passada em nConta, acumulada ou de um determinado Mês, de acordo com nMesRef e de uma determinada Filial ou acumulada."},
    {66005, "Retorna o valor total dos créditos da Conta Contábil passada em nConta, acumulada ou de um determinado Mês, de acordo com nMesRef e de uma determinada Filial ou acumulada."},
    {66006, "Retorna uma data de acordo com nMesRef. Data Inicial, Data Final ou uma data entre a data inicial e final de acordo com um índice número a partir da data inicial, incrementado de mês em mês. Para indicar o formato da data de retorno use a formatação da célula."},
    {66007, "Retorna a descrição da conta contábil, de acordo com nConta. Ex. ctbDESC(1) = ATIVO"},
    {66008, "Retorna a descrição do centro de custo, de acordo com nCentro. Ex. gerDESC(1) = ATIVO"},
    {66009, "Retorna a classificação da conta contábil, de acordo com nConta. Ex. ctbCLAS(5000) = 1.1.10"},
    {66010, "Retorna a classificação do centro de custo, de acordo com nCentro. Ex. gerCLAS(5000) = 1.1.10"},
    {66011, "Retorna o tipo da conta contábil, valor 1=Analítica ou 2=Sintética, de acordo com nConta. Ex. SE(ctbTIPO(1)=\"1\";\"T\";\"\")"},
    {66012, "Retorna o tipo do centro de custo, valor 1=Analítica ou 2=Sintética, de acordo com nCentro. Ex. SE(gerTIPO(1)=\"1\";\"T\";\"\")"},
    {66013, "Indique o Código do Funcionário e o Código do Evento. Ex: fpaEvValor(2002; 100) ou fpaEvValor(A1; B1), para trazer o valor do Evento do Funcionário"},
    {66014, "Indique o Código do Funcionário e o Código do Evento. Ex: fpaEvBase(2002; 100) ou fpaEvBase(A1; B1), para trazer o valor da Base do Evento do Funcionário"},
    {66015, "Indique o Código do Funcionário e o Código do Evento. Ex: fpaEvRef(2002; 100) ou fpaEvRef(A1; B1), para trazer o valor da Referência do Evento do Funcionário\n\nCaso queria Somar mais Eventos na Referência incluir no campo \"Lista de Evento auxiliar a compor a Ref\" informando os evento entre as aspas duplas. Ex fpaEvRef(1;A4;B5;C6;\"35;37;49\")"},
    {66016, "Indique o Código do Funcionário e o Código do Evento. Ex: fpaEvValor(2002; 100) ou fpaEvValor(A1; B1), para trazer os valores do Evento Rateio do Funcionário"},
    {66017, "Indique o Código do Funcionário e o Código do Evento. Ex: fpaEvBase(2002; 100) ou fpaEvBase(A1; B1), para trazer os valores da Base Rateio do Funcionário"},
    {66018, "Indique o Código do Funcionário e o Código do Evento. Ex: fpaEvValor(2002; 100) ou fpaEvValor(A1; B1), para trazer os valores da Referência Rateio do Funcionário"},
    {66019, "Indique o Código do Funcionário e o Código do Evento. Ex: fpaEvValor(2002; 100) ou fpaEvValor(A1; B1), para trazer o Centro de Cusdo do Rateio do Funcionário"},
    {66020, "Indique o Código do Funcionário e o Código do Evento. Ex: fpaEvValor(2002; 100) ou fpaEvValor(A1; B1), para trazer a Outra Empresa do Rateio do Funcionário"},
    {66101, "nConta: Indique o código da Conta Contábil. Ex. ctbSAN(5) ou ctbSAN(A1)"},
    {66102, "nMesRef: Indique o mês de referência dos valores, considerando o primeiro mês a partir da data inicial. Ex. DataInicial = 01/01/2005, ctbSAN(5,2) retorna os valores de da conta 5 em 02/2005, ctbDTA(3) retorna a data 01/01/2003."},
    {66103, "nFilial: Indique o código das filiais, deixe em branco para acumular os valores. Ex. ctbSAN(5,2,1..5))"},
    {66104, "nAno: Indique o ano de referênciam dos valores, Ex. ctbSAN(2018)"},
};

constexpr AjudaParametro kAjudas[] = {
    {"nConta", 66101},
    {"nMesRef", 66102},
    {"nFilial", 66103},
    {"nAno", 66104},
};

}  // namespace

std::span<const FuncaoRegistrada> funcoes()
{
    return kFuncoes;
}

std::span<const EntradaString> strings()
{
    return kStrings;
}

std::span<const AjudaParametro> ajudas()
{
    return kAjudas;
}

}  // namespace catalog::dados
