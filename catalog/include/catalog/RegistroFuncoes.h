#pragma once

#include <spreadsheet/Workbook.h>

#include <typeinfo>

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
    // Every payroll cell asks, and the cast across the module's bases costs
    // hundreds of instructions. Its result depends only on the object's
    // address and class, so the last answer serves while both are the same.
    struct Ultimo {
        const spreadsheet::WorkbookTag* tag = nullptr;
        const std::type_info* classe = nullptr;
        T* module = nullptr;
    };
    thread_local Ultimo ultimo;
    const std::type_info& classe = typeid(*tag);
    if (ultimo.tag == tag && ultimo.classe == &classe)
        return ultimo.module;
    if (T* module = dynamic_cast<T*>(tag)) {
        ultimo = {tag, &classe, module};
        return module;
    }
    falhaPegarDM();
}

}  // namespace catalog
