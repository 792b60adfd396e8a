#include <spreadsheet/FunctionRepository.h>

#include "FormulaWords.h"

#include <spreadsheet/SpreadsheetError.h>

namespace spreadsheet {

FunctionRepository& FunctionRepository::instance()
{
    static FunctionRepository repository;
    return repository;
}

void FunctionRepository::Add(const QString& name, FunctionProcedure procedure, ParamInfoProcedure paramInfo,
                             ResultKind resultKind, int identifier, FunctionCategory category)
{
    if (name.isEmpty() || !procedure) {
        throw SpreadsheetError(QStringLiteral("Função sem nome ou sem procedimento."));
    }
    if (indexOf(name) >= 0) {
        throw SpreadsheetError(QStringLiteral("Função já registrada: %1.").arg(name));
    }
    auto entry = std::make_unique<FunctionEntry>();
    entry->name = name;
    entry->procedure = procedure;
    entry->paramInfo = paramInfo;
    entry->resultKind = resultKind;
    entry->identifier = identifier;
    entry->category = category;
    if (paramInfo) {
        int count = 0;
        paramInfo(count, entry->params);
        entry->params.resize(static_cast<std::size_t>(std::max(count, 0)));
    }
    for (ParamKind kind : entry->params) {
        if (kind == ParamKind::OptionalValue || kind == ParamKind::OptionalArray) {
            break;
        }
        ++entry->requiredCount;
    }
    byName_.insert(name.toUpper(), count());
    entries_.push_back(std::move(entry));
}

int FunctionRepository::indexOf(QStringView name) const
{
    return indexOfKey(functionNameKey(name));
}

const FunctionEntry* FunctionRepository::find(QStringView name) const
{
    const int i = indexOf(name);
    return i < 0 ? nullptr : entries_[static_cast<std::size_t>(i)].get();
}

}  // namespace spreadsheet
