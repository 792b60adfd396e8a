#pragma once

#include <cstdint>
#include <span>

namespace spreadsheet::io::xls {

// A worksheet function as formulas store it: by a fixed index.
struct BiffFunction {
    std::uint16_t index;
    const char* name;   // English name, as the formula engine knows it
    std::int8_t args;   // fixed argument count, or kVariableArgs
};

constexpr std::int8_t kVariableArgs = -1;

class BiffFunctionTable {
public:
    // nullptr for an index the table does not hold.
    static const BiffFunction* find(int index);
    static std::span<const BiffFunction> all();
};

}  // namespace spreadsheet::io::xls
