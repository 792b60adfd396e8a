#pragma once

#include <QString>
#include <QVariant>

#include <set>

namespace host {
class TnField;
}

namespace payroll {

// The codes of a code column over the rows a cell counts. Codes identify,
// so adding them up would make a code nobody has: one code is given as it
// is, several as a list.
class CodigosDistintos {
public:
    void adicionar(const host::TnField& campo);  // a null code counts for nothing

    bool vazio() const { return FCodigos.empty(); }
    // The one code as a number, or the codes ascending joined by ";".
    QVariant valor() const;
    QString texto() const;

private:
    std::set<double> FCodigos;
};

}  // namespace payroll
