#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

namespace spreadsheet {

class ArgumentTokens;
class FormulaResult;

// How a parameter is declared; the optional kinds may be left out of a call.
enum class ParamKind : std::uint8_t { Value = 0, Array = 1, Unlimited = 2, OptionalValue = 3, OptionalArray = 4 };

enum class ResultKind : std::uint8_t { Value, Array };

enum class FunctionCategory : std::uint8_t { Information, Text, Math, DateTime, Lookup, Logical, Statistical, UserDefined };

using FunctionProcedure = void (*)(FormulaResult& result, const ArgumentTokens& arguments);
using ParamInfoProcedure = void (*)(int& count, std::vector<ParamKind>& kinds);

struct FunctionEntry {
    QString name;
    FunctionProcedure procedure = nullptr;
    ParamInfoProcedure paramInfo = nullptr;
    ResultKind resultKind = ResultKind::Value;
    int identifier = 0;
    FunctionCategory category = FunctionCategory::UserDefined;
    // Filled from paramInfo when the entry is added.
    std::vector<ParamKind> params;
    int requiredCount = 0;  // parameters before the first optional one
};

// The process-wide registry of the functions that the system adds to the
// formula engine. Formulas keep calls by name, so a function registered after
// a workbook was loaded is found when the workbook is next calculated.
class FunctionRepository {
public:
    static FunctionRepository& instance();

    // Throws SpreadsheetError when the name is already registered.
    void Add(const QString& name, FunctionProcedure procedure, ParamInfoProcedure paramInfo,
             ResultKind resultKind, int identifier, FunctionCategory category);

    int count() const { return static_cast<int>(entries_.size()); }
    const FunctionEntry& entry(int index) const { return *entries_.at(index); }
    int indexOf(QStringView name) const;  // ignores case; -1 when absent; entries keep their index
    // The same by a name already upper-cased as the name tables keep it,
    // for a caller that looks the name up in the built-ins too.
    int indexOfKey(const QString& key) const { return byName_.value(key, -1); }
    const FunctionEntry* find(QStringView name) const;

private:
    FunctionRepository() = default;
    std::vector<std::unique_ptr<FunctionEntry>> entries_;
    QHash<QString, int> byName_;  // upper case
};

}  // namespace spreadsheet
