#pragma once

#include "relatorio/ModelosExemplo.h"

#include "host/ConnectionText.h"
#include "host/DemoDataGenerator.h"

#include <QString>

namespace exemplo {

// The demo database of the samples: made when it is missing or when asked
// to, kept otherwise; and the facts the templates are made for, read from
// the database that is really there.
class BancoExemplo {
public:
    explicit BancoExemplo(const QString& conexao);

    bool existe() const;
    // Builds the database anew, replacing one that is there.
    void criar(const host::DemoDataOptions& opcoes) const;
    // Raises HostError when the database holds no payroll.
    ParametrosExemplo parametros() const;

    QString descricao() const { return FTexto.describe(); }

private:
    host::ConnectionText FTexto;
};

}  // namespace exemplo
