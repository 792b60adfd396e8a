#pragma once

#include <spreadsheet/Workbook.h>

namespace spreadsheet {
class FormulaResult;
}

namespace catalog {

// Registers the 22 payroll functions with the formula engine. Once per
// process, before any workbook exists; later calls do nothing.
void RegistrarFuncoesFpa();
// The accounting and cost-centre functions of the host (ctb..., gerDESC,
// gerCLAS, gerTIPO): templates that use them show a recognisable placeholder.
void RegistrarFuncoesContabeis();
// gerEMP, gerPAG, FORMATARDATAHORA, FMTNUM and REPT.
void RegistrarFuncoesGerais();
// All of them, in the program's loading order.
void RegistrarTodasFuncoes();

// The data module attached to the workbook being calculated, of the asked
// class, or none outside a run. An object of another class in the tag is an
// error whose message ends with "PegarDM".
template <class T>
T* PegarDM(const spreadsheet::FormulaResult& result);

spreadsheet::WorkbookTag* tagDaPasta(const spreadsheet::FormulaResult& result);
[[noreturn]] void falhaPegarDM();

template <class T>
T* PegarDM(const spreadsheet::FormulaResult& result)
{
    spreadsheet::WorkbookTag* tag = tagDaPasta(result);
    if (!tag)
        return nullptr;
    if (T* module = dynamic_cast<T*>(tag))
        return module;
    falhaPegarDM();
}

}  // namespace catalog
