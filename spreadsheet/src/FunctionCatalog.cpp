#include <spreadsheet/FunctionCatalog.h>

#include "functions/BuiltinFunctions.h"

namespace spreadsheet {

std::vector<FunctionDescription> builtinFunctionDescriptions()
{
    std::vector<FunctionDescription> all;
    for (const BuiltinFunction& f : builtinFunctions()) {
        const QString name = QString::fromLatin1(f.name);
        // The first alias is the Portuguese name; a function without one is
        // typed the same way in both conventions (ABS, MOD).
        const QString aliases = f.aliases ? QString::fromUtf8(f.aliases) : QString();
        all.push_back({name, aliases.isEmpty() ? name : aliases.section(u'|', 0, 0), f.group,
                       QString::fromUtf8(f.arguments), QString::fromUtf8(f.description)});
    }
    return all;
}

}  // namespace spreadsheet
