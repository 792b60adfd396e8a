#include "FunctionTables.h"

namespace spreadsheet::functions {

std::span<const BuiltinFunction> distributionTable()
{
    return {};
}

}  // namespace spreadsheet::functions
