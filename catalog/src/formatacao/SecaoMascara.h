#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace catalog {

struct ElementoMascara {
    enum class Tipo : std::uint8_t { Literal, Digito, Ponto, Expoente };
    Tipo tipo = Tipo::Literal;
    QString texto;  // the literal, or the exponent letter as written
};

// One section of a numeric mask (the text between semicolons), read once:
// the digit positions, the decimal point, grouping, the scientific exponent
// and the literal text between them.
class SecaoMascara {
public:
    explicit SecaoMascara(QStringView texto);

    bool vazia() const { return vazia_; }
    const std::vector<ElementoMascara>& elementos() const { return elementos_; }

    int inteiros() const { return inteiros_; }
    int fracionarios() const { return fracionarios_; }
    // Digits always shown: from the leftmost '0' before the point, and up to
    // the rightmost '0' after it.
    int minimoInteiros() const { return minimoInteiros_; }
    int minimoFracao() const { return minimoFracao_; }
    bool agrupar() const { return agrupar_; }

    bool cientifica() const { return cientifica_; }
    bool expoenteComSinal() const { return expoenteComSinal_; }
    int digitosExpoente() const { return digitosExpoente_; }

private:
    int lerAspas(QStringView texto, int inicio);
    int lerExpoente(QStringView texto, int inicio);
    void lerDigito(QChar c);
    void lerPonto();
    void acrescentarLiteral(const QString& texto);

    std::vector<ElementoMascara> elementos_;
    int inteiros_ = 0;
    int fracionarios_ = 0;
    int primeiroZero_ = -1;
    int minimoInteiros_ = 0;
    int minimoFracao_ = 0;
    bool temPonto_ = false;
    bool agrupar_ = false;
    bool cientifica_ = false;
    bool expoenteComSinal_ = false;
    int digitosExpoente_ = 0;
    bool vazia_ = true;
};

}  // namespace catalog
