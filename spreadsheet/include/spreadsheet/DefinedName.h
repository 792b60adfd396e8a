#pragma once

#include "CellRange.h"

#include <QString>

#include <vector>

namespace spreadsheet {

class Sheet;
class Workbook;

// A workbook-scope name for a reference, kept as its text ("Plan1!$B$2",
// "$A$1:$C$3"). A reference that names no sheet means the active sheet.
struct DefinedName {
    QString name;
    QString reference;

    struct Area {
        Sheet* sheet = nullptr;
        CellRange range;
    };
    // The areas the reference text denotes now; several areas are separated
    // by ';' or ','. Parts that do not resolve are left out.
    std::vector<Area> areas(const Workbook& workbook) const;
};

}  // namespace spreadsheet
