#include "FunctionTables.h"

namespace spreadsheet::functions {

std::span<const BuiltinFunction> arrayTable()
{
    return {};
}

}  // namespace spreadsheet::functions
