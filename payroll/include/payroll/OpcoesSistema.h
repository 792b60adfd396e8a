#pragma once

#include <optional>

namespace payroll {

// Options of the table "OpcaoSistema", read from the database once per
// program run and kept.
class OpcoesSistema {
public:
    // How vacation and 13th salary are proportioned: 2 counts days (default 1).
    static int FormaCalcFer13Sal();
    // Sets the kept value, or with none makes the next call read it again.
    static void Redefinir(std::optional<int> formaCalcFer13Sal = std::nullopt);

private:
    static std::optional<int>& guardado();
};

}  // namespace payroll
