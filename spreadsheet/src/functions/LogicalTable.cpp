#include "FunctionTables.h"

namespace spreadsheet::functions {

std::span<const BuiltinFunction> logicalTable()
{
    return {};
}

}  // namespace spreadsheet::functions
