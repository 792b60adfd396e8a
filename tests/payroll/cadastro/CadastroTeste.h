#pragma once

#include "FolhaTeste.h"

// The registration-data functions' frame.
class CadastroTeste : public FolhaTeste {
public:
    static QString textoSql(const QString& sql);
};
