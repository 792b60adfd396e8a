#pragma once

#include <spreadsheet/FunctionCatalog.h>
#include <spreadsheet/Value.h>

#include <QStringView>

#include <cstdint>
#include <span>

namespace spreadsheet {

class CallContext;

// Bit i of BuiltinFunction::rangeArgs: argument i takes a whole range or
// array as it is. Bit 31 stands for every argument from the 32nd on.
constexpr std::uint32_t kScalarArgs = 0;
constexpr std::uint32_t kRangeArgs = 0xFFFFFFFFu;
constexpr std::uint32_t rangeArg(int i)
{
    return 1u << (i < 31 ? i : 31);
}

// Everything about one built-in function, read alike by the parser, the
// evaluator, the function browser, autocompletion and the help.
struct BuiltinFunction {
    const char* name;     // canonical name, used when a formula is written back
    const char* aliases;  // Portuguese names accepted on input, '|'-separated, UTF-8; may be nullptr
    int minArgs;
    int maxArgs;          // -1: no limit
    bool isVolatile;      // recalculated on every calculation (TODAY, NOW)
    Value (*call)(const CallContext&);
    FunctionGroup group;
    const char* arguments;  // UTF-8, "núm; [núm_dígitos]": ';' between, optional ones in brackets
    // Arguments that take a range or an array whole (SUM's, the table of
    // VLOOKUP). An array or a range of several cells given to any other
    // argument makes the function run once per element, giving an array.
    std::uint32_t rangeArgs = kScalarArgs;
    const char* description = "";  // one sentence in Portuguese, UTF-8
};

// Takes a whole range or array at argument i (a number of the call's
// arguments counted from 0).
inline bool takesRange(const BuiltinFunction& f, int i)
{
    return (f.rangeArgs & rangeArg(i)) != 0;
}

// The whole table, in a fixed order: formulas keep a function by its
// position while they are in memory (files keep names).
std::span<const BuiltinFunction> builtinFunctions();
// Case-insensitive lookup by canonical name or alias; -1 when unknown.
int findBuiltin(QStringView name);
// The same by a name already upper-cased by functionNameKey.
int findBuiltinKey(const QString& key);

}  // namespace spreadsheet
