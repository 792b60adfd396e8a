#pragma once

#include "host/SqlDialect.h"

#include <span>

class QSqlDatabase;

namespace host::demo {

struct MunicipioDemo {
    const char* uf;
    int codigo;
    const char* nome;
    const char* cepInicial;
    const char* ddd;
};
std::span<const MunicipioDemo> municipiosDemo();

// The shared registration tables: street types, municipalities, contract
// types, annuities, positions, schedules, salary reasons, unions with their
// conventions and contributions, events, other companies and the system option.
class DemoCadastros {
public:
    static void gravar(QSqlDatabase& db, SqlDialect dialect);

    static constexpr int kCargos = 10;
    static constexpr int kEscalas = 5;
    static constexpr int kMotivos = 6;
    static constexpr int kAnuidades = 24;
    static constexpr int kLocaisContabeis = 5;
    static constexpr int kTiposLogradouro = 6;
};

}  // namespace host::demo
