#pragma once

#include <memory>
#include <unordered_map>

namespace host {
class TnClientDataSet;
}

namespace payroll {

// Where each employee's row lies in a company's dataset indexed by company
// and employee. The formatter goes to the employee's row at every cell, and
// going by number costs far less than a key search through variants.
class LinhasDoFuncionario {
public:
    // Null when the key columns do not hold integers: the caller then
    // searches by key, as before.
    static std::unique_ptr<LinhasDoFuncionario> ler(host::TnClientDataSet& dataset, int empresa);
    // Goes to the first row of the employee in the index, as FindKey does;
    // false, and the cursor where it was, when there is none.
    bool posicionar(host::TnClientDataSet& dataset, int codFunc) const;

private:
    std::unordered_map<int, int> FLinhas;  // employee -> record number
};

}  // namespace payroll
