#include "SecaoMascara.h"

namespace catalog {

namespace {

constexpr int kMaxDigitosExpoente = 4;

bool aspas(QChar c)
{
    return c == u'"' || c == u'\'';
}

bool inicioExpoente(QStringView texto, int i)
{
    const QChar c = texto[i];
    return (c == u'E' || c == u'e') && i + 1 < texto.size() && (texto[i + 1] == u'+' || texto[i + 1] == u'-');
}

}  // namespace

SecaoMascara::SecaoMascara(QStringView texto) : vazia_(texto.isEmpty())
{
    for (int i = 0; i < texto.size();) {
        const QChar c = texto[i];
        if (aspas(c)) {
            i = lerAspas(texto, i);
        } else if (!cientifica_ && inicioExpoente(texto, i)) {
            i = lerExpoente(texto, i);
        } else {
            // After the exponent, digit signs are plain text.
            if (!cientifica_ && (c == u'0' || c == u'#')) {
                lerDigito(c);
            } else if (c == u'.' && !cientifica_) {
                lerPonto();
            } else if (c == u',') {
                agrupar_ = true;
            } else if (c != u'.') {
                acrescentarLiteral(QString(c));
            }
            ++i;
        }
    }
    minimoInteiros_ = primeiroZero_ < 0 ? 0 : inteiros_ - primeiroZero_;
}

int SecaoMascara::lerAspas(QStringView texto, int inicio)
{
    const auto fim = texto.indexOf(texto[inicio], inicio + 1);
    const auto ate = fim < 0 ? texto.size() : fim;
    acrescentarLiteral(texto.mid(inicio + 1, ate - inicio - 1).toString());
    return static_cast<int>(fim < 0 ? texto.size() : fim + 1);
}

int SecaoMascara::lerExpoente(QStringView texto, int inicio)
{
    cientifica_ = true;
    expoenteComSinal_ = texto[inicio + 1] == u'+';
    elementos_.push_back({ElementoMascara::Tipo::Expoente, QString(texto[inicio])});
    int i = inicio + 2;
    while (i < texto.size() && texto[i] == u'0' && digitosExpoente_ < kMaxDigitosExpoente) {
        ++digitosExpoente_;
        ++i;
    }
    return i;
}

void SecaoMascara::lerDigito(QChar c)
{
    elementos_.push_back({ElementoMascara::Tipo::Digito, {}});
    if (!temPonto_) {
        if (c == u'0' && primeiroZero_ < 0) {
            primeiroZero_ = inteiros_;
        }
        ++inteiros_;
        return;
    }
    ++fracionarios_;
    if (c == u'0') {
        minimoFracao_ = fracionarios_;
    }
}

void SecaoMascara::lerPonto()
{
    // Only the first point places the decimal separator; later ones vanish.
    if (!temPonto_) {
        temPonto_ = true;
        elementos_.push_back({ElementoMascara::Tipo::Ponto, {}});
    }
}

void SecaoMascara::acrescentarLiteral(const QString& texto)
{
    if (!elementos_.empty() && elementos_.back().tipo == ElementoMascara::Tipo::Literal) {
        elementos_.back().texto += texto;
    } else {
        elementos_.push_back({ElementoMascara::Tipo::Literal, texto});
    }
}

}  // namespace catalog
