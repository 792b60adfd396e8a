#pragma once

namespace spreadsheet {
class ArgumentTokens;
class FormulaResult;
}  // namespace spreadsheet

namespace payroll {

class TnFpaDMPlanilha;

// Functions that narrow a run dataset to the cell's break and add up a
// column: events and apportionment (kind = the column summed), taxes and
// provisions.
class FuncoesMovimento {
public:
    using Resultado = spreadsheet::FormulaResult;
    using Argumentos = spreadsheet::ArgumentTokens;

    static void EventoFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments, int kind);
    static void RateioFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments, int kind);
    static void ImpCalcFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments);
    static void ProvisaoFeriasFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments);
    static void Provisao13SalFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments);
    static void ProvisaoFeriasRatFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments);
    static void Provisao13SalRatFuncao(TnFpaDMPlanilha& dm, Resultado& result, const Argumentos& arguments);
};

}  // namespace payroll
