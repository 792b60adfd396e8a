#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace spreadsheet {

enum class FunctionGroup : std::uint8_t {
    Math, Statistical, Logical, Information, Text, DateTime, Lookup, Financial, Engineering, Database
};

// A built-in function as a user reads about it: both names, its group and
// its arguments as pt-BR users know them ("núm; [núm_dígitos]", ';' between
// arguments, optional ones in brackets).
struct FunctionDescription {
    QString name;            // canonical (English)
    QString portugueseName;  // the name typed in the Brazilian convention
    FunctionGroup group;
    QString arguments;
    QString description;  // one sentence in Portuguese
};

// Every built-in function, in the engine's order.
std::vector<FunctionDescription> builtinFunctionDescriptions();
// The group's caption for users: "Matemática e trigonometria".
QString functionGroupName(FunctionGroup group);

}  // namespace spreadsheet
