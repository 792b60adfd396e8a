#pragma once

#include <QString>

namespace host::demo {

// Brazilian registration numbers with valid check digits, so that the demo
// data passes the checks a user's spreadsheet might apply.
class Documentos {
public:
    // From a 9-digit base.
    static QString cpf(int base);
    // From an 8-digit company root and a 4-digit branch number.
    static QString cnpj(int raiz, int filial);
    // From a 10-digit base.
    static QString pis(qint64 base);
};

}  // namespace host::demo
