#pragma once

#include <QString>

#include <string>

namespace catalog {

// A finite number as at most 15 significant decimal digits, the value being
// 0.d1d2d3... x 10^expoente. Rounding works on these digits, not on the
// binary value, so that 1.005 to two places gives 1.01 as the user typed it
// rather than 1.00 from the binary 1.00499999999999989...
class DigitosDecimais {
public:
    static constexpr int kPrecisao = 15;

    // Throws ErroFormatacao for NaN and infinities.
    explicit DigitosDecimais(double valor);

    bool negativo() const { return negativo_; }
    bool zero() const { return digitos_.empty(); }
    int expoente() const { return expoente_; }
    const std::string& digitos() const { return digitos_; }

    // Half away from zero, on the decimal digits.
    void arredondarCasas(int casas);
    void arredondarSignificativos(int quantos);

    // Digits left of the decimal point, empty below 1.
    std::string parteInteira() const;
    // Digits right of the decimal point, without trailing zeros.
    std::string parteFracionaria() const;

private:
    void manterDigitos(int quantos);
    void normalizar();

    std::string digitos_;
    int expoente_ = 0;
    bool negativo_ = false;
};

}  // namespace catalog
