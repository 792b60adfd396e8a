#pragma once

#include "BuiltinFunctions.h"

#include <span>

namespace spreadsheet::functions {

// The built-in functions by group, each group's rows in its own file. The
// engine's table is their concatenation in this order.
std::span<const BuiltinFunction> mathTable();
std::span<const BuiltinFunction> statisticalTable();
std::span<const BuiltinFunction> distributionTable();
std::span<const BuiltinFunction> textTable();
std::span<const BuiltinFunction> logicalTable();
std::span<const BuiltinFunction> dateTable();
std::span<const BuiltinFunction> lookupTable();
std::span<const BuiltinFunction> arrayTable();
std::span<const BuiltinFunction> financialTable();
std::span<const BuiltinFunction> engineeringTable();
std::span<const BuiltinFunction> databaseTable();

}  // namespace spreadsheet::functions
