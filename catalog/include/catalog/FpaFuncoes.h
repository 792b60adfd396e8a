#pragma once

namespace spreadsheet {
class ArgumentTokens;
class FormulaResult;
}  // namespace spreadsheet

namespace catalog {

// What the payroll data module offers the registered fpa functions: one
// operation per function, each adding exactly one value to the result.
class FpaFuncoes {
public:
    using Resultado = spreadsheet::FormulaResult;
    using Argumentos = spreadsheet::ArgumentTokens;

    virtual ~FpaFuncoes() = default;
    virtual void FuncFuncao(Resultado& result, const Argumentos& arguments) = 0;
    virtual void ValorEventoFuncao(Resultado& result, const Argumentos& arguments) = 0;
    virtual void ReferEventoFuncao(Resultado& result, const Argumentos& arguments) = 0;
    virtual void BaseEventoFuncao(Resultado& result, const Argumentos& arguments) = 0;
    virtual void ValorEventoRateadoFuncao(Resultado& result, const Argumentos& arguments) = 0;
    virtual void ReferEventoRateadoFuncao(Resultado& result, const Argumentos& arguments) = 0;
    virtual void BaseEventoRateadoFuncao(Resultado& result, const Argumentos& arguments) = 0;
    virtual void RateioCentruCustoFuncao(Resultado& result, const Argumentos& arguments) = 0;
    virtual void RateioOutEmpFuncao(Resultado& result, const Argumentos& arguments) = 0;
    virtual void ImpCalcFuncao(Resultado& result, const Argumentos& arguments) = 0;
    virtual void OutraEmpFuncao(Resultado& result, const Argumentos& arguments) = 0;
    virtual void ProvisaoFeriasFuncao(Resultado& result, const Argumentos& arguments) = 0;
    virtual void ProvisaoFeriasRatFuncao(Resultado& result, const Argumentos& arguments) = 0;
    virtual void Provisao13SalFuncao(Resultado& result, const Argumentos& arguments) = 0;
    virtual void Provisao13SalRatFuncao(Resultado& result, const Argumentos& arguments) = 0;
    virtual void OrganogramaFuncao(Resultado& result, const Argumentos& arguments) = 0;
    virtual void HistCargoFuncao(Resultado& result, const Argumentos& arguments) = 0;
    virtual void HistSalarioFuncao(Resultado& result, const Argumentos& arguments) = 0;
    virtual void HistSindicatoFuncao(Resultado& result, const Argumentos& arguments) = 0;
    virtual void HistEscalaFuncao(Resultado& result, const Argumentos& arguments) = 0;
    virtual void FuncTotais(Resultado& result, const Argumentos& arguments) = 0;
    virtual void GPSFuncao(Resultado& result, const Argumentos& arguments) = 0;
};

}  // namespace catalog
