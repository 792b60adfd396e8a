#pragma once

#include <QLocale>
#include <QString>

#include <string>
#include <string_view>

namespace payroll {

// Numbers written the way the event texts show them: a fixed number of
// decimals with the locale's thousands grouping ("#,##0.00"), or an integer
// padded with zeros ("000"). Rounding is half away from zero on the
// number's first 15 significant digits, so 2.675 gives 2,68 although its
// binary value lies just below.
class FormatoNumero {
public:
    static QString agrupado(double valor, int decimais, const QLocale& locale = QLocale());
    static QString inteiro(double valor, int digitos);
    // |valor|'s first 15 significant digits and exponent, "d.dddddddddddddde+XX",
    // exactly as QString::number(|valor|, 'e', 14) writes them.
    static QString cientifico(double valor);
    // valor as QString::number(valor, 'g', 15) writes it.
    static QString geral(double valor);

private:
    // |valor| × 10^decimais rounded, as a string of decimal digits.
    static std::string escalado(double valor, int decimais);
    static std::string cientificoAscii(double valor);
    static void agrupar(QString& texto, std::string_view digitos, const QString& separador);
};

}  // namespace payroll
