#include "FunctionTables.h"

#include "DatabaseFunctions.h"

#include <array>

namespace spreadsheet::functions {

namespace {

namespace f = functions;

constexpr auto kArgs = "banco_dados; campo; critérios";
constexpr std::uint32_t kWhole = rangeArg(0) | rangeArg(2);

constexpr std::array kRows = std::to_array<BuiltinFunction>({
    {"DCOUNT", "BDCONTAR", 2, 3, false, f::dcount, FunctionGroup::Database, "banco_dados; [campo]; critérios",
     kWhole, "Conta as células com números no campo dos registros que atendem aos critérios."},
    {"DCOUNTA", "BDCONTARA", 2, 3, false, f::dcountA, FunctionGroup::Database, "banco_dados; [campo]; critérios",
     kWhole, "Conta as células não vazias no campo dos registros que atendem aos critérios."},
    {"DSUM", "BDSOMA", 3, 3, false, f::dsum, FunctionGroup::Database, kArgs, kWhole,
     "Soma os números do campo dos registros que atendem aos critérios."},
    {"DAVERAGE", "BDMÉDIA|BDMEDIA", 3, 3, false, f::daverage, FunctionGroup::Database, kArgs, kWhole,
     "Retorna a média do campo dos registros que atendem aos critérios."},
    {"DMIN", "BDMÍN|BDMIN", 3, 3, false, f::dmin, FunctionGroup::Database, kArgs, kWhole,
     "Retorna o menor número do campo dos registros que atendem aos critérios."},
    {"DMAX", "BDMÁX|BDMAX", 3, 3, false, f::dmax, FunctionGroup::Database, kArgs, kWhole,
     "Retorna o maior número do campo dos registros que atendem aos critérios."},
    {"DPRODUCT", "BDMULTIPL", 3, 3, false, f::dproduct, FunctionGroup::Database, kArgs, kWhole,
     "Multiplica os números do campo dos registros que atendem aos critérios."},
    {"DSTDEV", "BDEST", 3, 3, false, f::dstdev, FunctionGroup::Database, kArgs, kWhole,
     "Estima o desvio padrão do campo dos registros que atendem aos critérios, como amostra."},
    {"DSTDEVP", "BDDESVPA", 3, 3, false, f::dstdevP, FunctionGroup::Database, kArgs, kWhole,
     "Calcula o desvio padrão do campo dos registros que atendem aos critérios, como população."},
    {"DVAR", "BDVAREST", 3, 3, false, f::dvar, FunctionGroup::Database, kArgs, kWhole,
     "Estima a variância do campo dos registros que atendem aos critérios, como amostra."},
    {"DVARP", "BDVARP", 3, 3, false, f::dvarP, FunctionGroup::Database, kArgs, kWhole,
     "Calcula a variância do campo dos registros que atendem aos critérios, como população."},
    {"DGET", "BDEXTRAIR", 3, 3, false, f::dget, FunctionGroup::Database, kArgs, kWhole,
     "Retorna o valor do campo do único registro que atende aos critérios."},
});

}  // namespace

std::span<const BuiltinFunction> databaseTable()
{
    return kRows;
}

}  // namespace spreadsheet::functions
