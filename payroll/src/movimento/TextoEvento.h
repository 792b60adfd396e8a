#pragma once

#include "payroll/TnFpaDMPlanilha.h"

#include <QString>

#include <vector>

namespace payroll {

// The text an event or apportionment cell shows for a sum: bases and
// references in the event's unit, then without the unit words, so that the
// cell holds a bare number.
class TextoEvento {
public:
    // The kind numbers of the base and the reference differ between the
    // event and the apportionment queries.
    TextoEvento(int kindBase, int kindRefer) : FKindBase(kindBase), FKindRefer(kindRefer) {}

    QString Formatar(TnFpaDMPlanilha& dm, int func, int kind, double soma, int evento) const;
    // The formatter's queries for the company being built, read ahead for
    // the functions that format bases and references.
    static std::vector<TnFpaDMPlanilha::Antecipavel> Antecipaveis();

private:
    int FKindBase;
    int FKindRefer;
};

}  // namespace payroll
