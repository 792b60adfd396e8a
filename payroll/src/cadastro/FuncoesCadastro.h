#pragma once

namespace spreadsheet {
class ArgumentTokens;
class FormulaResult;
}  // namespace spreadsheet

namespace payroll {

class TnFpaDMPlanilha;

// Registration-like data searched by key or re-queried per cell: employee
// record, period totals, GPS configuration, histories, other companies and
// the organogram.
class FuncoesCadastro {
public:
    using Resultado = spreadsheet::FormulaResult;
    using Argumentos = spreadsheet::ArgumentTokens;

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
