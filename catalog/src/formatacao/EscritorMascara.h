#pragma once

#include "DigitosDecimais.h"
#include "SecaoMascara.h"

#include <QLocale>
#include <QString>

#include <string>

namespace catalog {

// Lays the digits of a number into the positions of one mask section, with
// the locale's decimal and group separators. The sign is the caller's.
class EscritorMascara {
public:
    EscritorMascara(const SecaoMascara& secao, const QLocale& locale);

    // Digits already rounded to the section's decimal places.
    QString fixo(const DigitosDecimais& numero) const;
    // Rounds to the section's digit positions and writes mantissa and exponent.
    QString cientifico(DigitosDecimais numero) const;

private:
    QString escrever(std::string inteira, std::string fracao, int expoente) const;
    QString textoExpoente(const QString& letra, int expoente) const;

    const SecaoMascara& secao_;
    QString separadorDecimal_;
    QString separadorGrupo_;
};

}  // namespace catalog
