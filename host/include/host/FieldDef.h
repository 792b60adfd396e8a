#pragma once

#include "host/FieldType.h"

#include <QString>

namespace host {

// A column of a dataset as a query delivers it: its name as the database
// spells it and the type its values are held in.
struct FieldDef {
    QString name;
    FieldType type;
};

}  // namespace host
