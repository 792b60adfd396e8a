#pragma once

#include <QString>
#include <QVariantList>

namespace payroll {

// A query of a run as its builder makes it: the text for this database and
// the parameter values by position. Two equal ones read the same rows, so a
// dataset read ahead for one serves the other.
struct ConsultaFolha {
    QString texto;
    QVariantList valores;
    bool operator==(const ConsultaFolha&) const = default;
};

}  // namespace payroll
