#include "FunctionTables.h"

namespace spreadsheet::functions {

std::span<const BuiltinFunction> financialTable()
{
    return {};
}

}  // namespace spreadsheet::functions
