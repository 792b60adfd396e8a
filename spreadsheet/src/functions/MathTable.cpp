#include "FunctionTables.h"

namespace spreadsheet::functions {

std::span<const BuiltinFunction> mathTable()
{
    return {};
}

}  // namespace spreadsheet::functions
