#pragma once

#include "host/InclusionList.h"

namespace host {

// Reads an inclusion list of integer codes. Only ASCII digits, "..", ";" and
// blanks are accepted, since the codes end up in SQL conditions.
class InclusionParser {
public:
    // Sorted by lower bound, overlapping and adjacent ranges merged.
    static TInclusionPairs parse(const QString& text);
};

}  // namespace host
