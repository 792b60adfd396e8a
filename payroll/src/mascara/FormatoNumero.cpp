#include "FormatoNumero.h"

#include <charconv>
#include <cmath>
#include <iterator>

namespace payroll {

namespace {

constexpr int kDigitosSignificativos = 15;

// Adds one unit in the last place of a string of decimal digits.
QString somarUm(QString digitos)
{
    for (qsizetype i = digitos.size() - 1; i >= 0; --i) {
        if (digitos[i] != QLatin1Char('9')) {
            digitos[i] = QChar(digitos[i].unicode() + 1);
            return digitos;
        }
        digitos[i] = QLatin1Char('0');
    }
    return QLatin1Char('1') + digitos;
}

bool soZeros(const QString& digitos)
{
    for (const QChar c : digitos) {
        if (c != QLatin1Char('0')) {
            return false;
        }
    }
    return true;
}

}  // namespace

// Qt's conversion costs thousands of instructions a number, and base and
// reference cells format two or three numbers each. std::to_chars gives the
// same correctly rounded digits except at an exact tie, which Qt rounds up
// and to_chars to even; a tie shows as "50" in the next two digits, and such
// numbers (and non-finite ones) are left to Qt.
QString FormatoNumero::cientifico(double valor)
{
    const double magnitude = std::abs(valor);
    if (std::isfinite(magnitude)) {
        char texto[32];
        char seguintes[32];
        const auto [fim, erro] = std::to_chars(std::begin(texto), std::end(texto), magnitude,
                                               std::chars_format::scientific, kDigitosSignificativos - 1);
        const auto [fim2, erro2] = std::to_chars(std::begin(seguintes), std::end(seguintes), magnitude,
                                                 std::chars_format::scientific, kDigitosSignificativos + 1);
        // "d." and then digits 2 to 17: the 16th and 17th are at 16 and 17.
        const bool empate = seguintes[16] == '5' && seguintes[17] == '0';
        if (erro == std::errc() && erro2 == std::errc() && !empate) {
            return QString::fromLatin1(texto, fim - texto);
        }
    }
    return QString::number(magnitude, 'e', kDigitosSignificativos - 1);
}

QString FormatoNumero::escalado(double valor, int decimais)
{
    const QString cientifico = FormatoNumero::cientifico(valor);
    const qsizetype posE = cientifico.indexOf(QLatin1Char('e'));
    const QString mantissa = cientifico.left(1) + cientifico.mid(2, posE - 2);
    const int expoente = cientifico.mid(posE + 1).toInt();
    const int manter = expoente + 1 + decimais;
    if (manter < 0) {
        return QStringLiteral("0");
    }
    if (manter >= mantissa.size()) {
        return mantissa + QString(manter - mantissa.size(), QLatin1Char('0'));
    }
    const QString mantidos = manter == 0 ? QStringLiteral("0") : mantissa.left(manter);
    return mantissa[manter] >= QLatin1Char('5') ? somarUm(mantidos) : mantidos;
}

QString FormatoNumero::agrupar(const QString& digitos, const QString& separador)
{
    QString texto;
    for (qsizetype i = 0; i < digitos.size(); ++i) {
        if (i > 0 && (digitos.size() - i) % 3 == 0) {
            texto += separador;
        }
        texto += digitos[i];
    }
    return texto;
}

QString FormatoNumero::agrupado(double valor, int decimais, const QLocale& locale)
{
    if (!std::isfinite(valor)) {
        return QString::number(valor);
    }
    QString digitos = escalado(valor, decimais);
    if (digitos.size() <= decimais) {
        digitos = QString(decimais + 1 - digitos.size(), QLatin1Char('0')) + digitos;
    }
    const QString sinal = valor < 0 && !soZeros(digitos) ? locale.negativeSign() : QString();
    QString texto = sinal + agrupar(digitos.left(digitos.size() - decimais), locale.groupSeparator());
    if (decimais > 0) {
        texto += locale.decimalPoint() + digitos.right(decimais);
    }
    return texto;
}

QString FormatoNumero::inteiro(double valor, int digitos)
{
    if (!std::isfinite(valor)) {
        return QString::number(valor);
    }
    QString texto = escalado(valor, 0);
    const bool negativo = valor < 0 && !soZeros(texto);
    if (texto.size() < digitos) {
        texto = QString(digitos - texto.size(), QLatin1Char('0')) + texto;
    }
    return negativo ? QLatin1Char('-') + texto : texto;
}

}  // namespace payroll
