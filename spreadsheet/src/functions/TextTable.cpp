#include "FunctionTables.h"

namespace spreadsheet::functions {

std::span<const BuiltinFunction> textTable()
{
    return {};
}

}  // namespace spreadsheet::functions
