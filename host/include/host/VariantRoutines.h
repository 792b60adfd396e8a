#pragma once

// VarToDateTimeDef, the other variant conversion, sits with the date routines.
#include "host/DateRoutines.h"

#include <QVariant>

namespace host {

// The value as an int when it is a whole number in range, or a text holding
// one (blanks around allowed); `def` otherwise.
int VarToIntDef(const QVariant& value, int def);

}  // namespace host
