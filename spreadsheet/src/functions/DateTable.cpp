#include "FunctionTables.h"

namespace spreadsheet::functions {

std::span<const BuiltinFunction> dateTable()
{
    return {};
}

}  // namespace spreadsheet::functions
