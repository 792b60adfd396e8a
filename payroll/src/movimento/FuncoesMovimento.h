#pragma once

#include "payroll/TnFpaDMPlanilha.h"

#include <vector>

namespace spreadsheet {
class ArgumentTokens;
class FormulaResult;
}  // namespace spreadsheet

namespace payroll {

// Functions that narrow a run dataset to the cell's break and add up a
// column: events and apportionment (kind = the column summed), taxes and
// provisions.
class FuncoesMovimento {
public:
    using Resultado = spreadsheet::FormulaResult;
    using Argumentos = spreadsheet::ArgumentTokens;

    // The kinds (summed columns) that take the event's unit.
    static constexpr int kEventoBase = 4;
    static constexpr int kEventoRefer = 5;
    static constexpr int kRateioBase = 6;
    static constexpr int kRateioRefer = 7;

    // The functions whose datasets a run reads ahead.
    static std::vector<TnFpaDMPlanilha::Antecipavel> Antecipaveis();

    static void EventoFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments, int kind);
    static void RateioFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments, int kind);
    static void ImpCalcFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments);
    static void ProvisaoFeriasFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments);
    static void Provisao13SalFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments);
    static void ProvisaoFeriasRatFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments);
    static void Provisao13SalRatFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments);
};

}  // namespace payroll
