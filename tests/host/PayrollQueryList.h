#pragma once

#include "payroll/ConsultasFolha.h"

#include <QString>

#include <vector>

namespace host::testing {

// Every query text of the payroll functions, complete, as they run it.
struct PayrollQuery {
    const char* name;
    QString text;
    // How each "%n:s" is filled: the first condition of a WHERE, or one appended to others.
    std::vector<bool> appended;
};

inline const std::vector<PayrollQuery>& payrollQueries()
{
    using namespace payroll;
    static const std::vector<PayrollQuery> queries{
        {"SqlFuncionario", ConsultaCompleta(SqlFuncionario), {false}},
        {"SqlEventoMascara", SqlEventoMascara, {}},
        {"SqlCalculoEvento", ConsultaCompleta(SqlCalculoEvento), {false}},
        {"SqlCalculoRateio", SqlCalculoRateio, {false, true, true}},
        {"SqlFuncTotais", SqlFuncTotais, {false, true}},
        {"SqlGps", SqlGps, {false}},
        {"SqlImpostoCalculo", ConsultaCompleta(SqlImpostoCalculo), {true}},
        {"SqlHistCargo", SqlHistCargo, {}},
        {"SqlHistEscala", SqlHistEscala, {}},
        {"SqlHistSalario", SqlHistSalario, {}},
        {"SqlHistSindicato", SqlHistSindicato, {}},
        {"SqlProvisaoFeriasAntiga", ConsultaCompleta(SqlProvisaoFeriasAntiga), {true}},
        {"SqlProvisaoFeriasEmDias", ConsultaCompleta(SqlProvisaoFeriasEmDias), {true}},
        {"SqlProvisao13Sal", ConsultaCompleta(SqlProvisao13Sal), {true}},
        {"SqlProvisaoFeriasRatAntiga", ConsultaCompleta(SqlProvisaoFeriasRatAntiga), {true}},
        {"SqlProvisaoFeriasRatEmDias", ConsultaCompleta(SqlProvisaoFeriasRatEmDias), {true}},
        {"SqlProvisao13SalRat", ConsultaCompleta(SqlProvisao13SalRat), {true}},
        {"SqlOutraEmpresa", SqlOutraEmpresa, {true}},
        {"SqlOrganograma", SqlOrganograma, {false, true}},
        {"SqlTabelaAnuidade", SqlTabelaAnuidade, {}},
        {"SqlDadosContrato", SqlDadosContrato, {}},
        {"SqlSindicato", SqlSindicato, {}},
        {"SqlMovimentoRateio", ConsultaCompleta(SqlMovimentoRateio), {true}},
        {"SqlMovimento", ConsultaCompleta(SqlMovimento), {true}},
    };
    return queries;
}

}  // namespace host::testing
