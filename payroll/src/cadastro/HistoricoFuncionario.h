#pragma once

#include <memory>

namespace host {
class TnClientDataSet;
}

namespace spreadsheet {
class ArgumentTokens;
class FormulaResult;
}  // namespace spreadsheet

namespace payroll {

class TnFpaDMPlanilha;

// The record of an employee's history in force at the reference date: one
// prepared query per history, re-run for every cell with the cell's company,
// employee and date.
class HistoricoFuncionario {
public:
    static void Avaliar(TnFpaDMPlanilha& dm, spreadsheet::FormulaResult& result,
                        const spreadsheet::ArgumentTokens& arguments, std::unique_ptr<host::TnClientDataSet>& cache,
                        const char* consulta);
};

}  // namespace payroll
