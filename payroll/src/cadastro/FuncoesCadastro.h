#pragma once

#include "payroll/TnFpaDMPlanilha.h"

#include <vector>

namespace spreadsheet {
class ArgumentTokens;
class FormulaResult;
}  // namespace spreadsheet

namespace payroll {

// Registration-like data searched by key or re-queried per cell: employee
// record, period totals, GPS configuration, histories, other companies and
// the organogram.
class FuncoesCadastro {
public:
    using Resultado = spreadsheet::FormulaResult;
    using Argumentos = spreadsheet::ArgumentTokens;

    // The functions whose datasets a run reads ahead.
    static std::vector<TnFpaDMPlanilha::Antecipavel> Antecipaveis();

    static void FuncFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments);
    static void FuncTotais(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments);
    static void GPSFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments);
    static void HistCargoFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments);
    static void HistSalarioFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments);
    static void HistSindicatoFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments);
    static void HistEscalaFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments);
    static void OutraEmpFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments);
    static void OrganogramaFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments);
};

}  // namespace payroll
