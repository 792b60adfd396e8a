#include "FunctionTables.h"

namespace spreadsheet::functions {

std::span<const BuiltinFunction> statisticalTable()
{
    return {};
}

}  // namespace spreadsheet::functions
