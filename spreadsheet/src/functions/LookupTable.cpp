#include "FunctionTables.h"

namespace spreadsheet::functions {

std::span<const BuiltinFunction> lookupTable()
{
    return {};
}

}  // namespace spreadsheet::functions
