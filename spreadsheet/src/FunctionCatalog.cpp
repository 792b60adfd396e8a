#include <spreadsheet/FunctionCatalog.h>

#include "functions/BuiltinFunctions.h"

#include <array>

namespace spreadsheet {

QString functionGroupName(FunctionGroup group)
{
    // In the order of FunctionGroup.
    static constexpr std::array<const char*, 10> kNames{"Matemática e trigonometria", "Estatística", "Lógica",
                                                        "Informações", "Texto", "Data e hora",
                                                        "Pesquisa e referência", "Financeira", "Engenharia",
                                                        "Banco de dados"};
    return QString::fromUtf8(kNames.at(static_cast<std::size_t>(group)));
}

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
