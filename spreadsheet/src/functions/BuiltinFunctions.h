#pragma once

#include <spreadsheet/FunctionCatalog.h>
#include <spreadsheet/Value.h>

#include <QStringView>

#include <span>

namespace spreadsheet {

class CallContext;

struct BuiltinFunction {
    const char* name;     // canonical name, used when a formula is written back
    const char* aliases;  // Portuguese names accepted on input, '|'-separated, UTF-8; may be nullptr
    int minArgs;
    int maxArgs;          // -1: no limit
    bool isVolatile;      // recalculated on every calculation (TODAY, NOW)
    Value (*call)(const CallContext&);
    FunctionGroup group;
    const char* arguments;  // UTF-8, "núm; [núm_dígitos]": ';' between, optional ones in brackets
};

std::span<const BuiltinFunction> builtinFunctions();
// Case-insensitive lookup by canonical name or alias; -1 when unknown.
int findBuiltin(QStringView name);

}  // namespace spreadsheet
