#include "FunctionTables.h"

namespace spreadsheet::functions {

std::span<const BuiltinFunction> engineeringTable()
{
    return {};
}

}  // namespace spreadsheet::functions
