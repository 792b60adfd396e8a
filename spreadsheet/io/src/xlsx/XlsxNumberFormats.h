#pragma once

#include <QString>

#include <cstddef>

namespace spreadsheet::io {

// The format code of one of the number formats that xlsx files name by
// number alone (ids below 164); empty for General and for ids that have no
// fixed code.
QString builtinNumberFormat(std::size_t id);

}  // namespace spreadsheet::io
