#include "FormatoNumero.h"

#include <charconv>
#include <cmath>
#include <iterator>
#include <string>

namespace payroll {

namespace {

constexpr int kDigitosSignificativos = 15;

// Adds one unit in the last place of a string of decimal digits.
std::string somarUm(std::string digitos)
{
    for (std::size_t i = digitos.size(); i-- > 0;) {
        if (digitos[i] != '9') {
            ++digitos[i];
            return digitos;
        }
        digitos[i] = '0';
    }
    return '1' + digitos;
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
std::string FormatoNumero::cientificoAscii(double valor)
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
            return std::string(texto, fim);
        }
    }
    return QString::number(magnitude, 'e', kDigitosSignificativos - 1).toStdString();
}

QString FormatoNumero::cientifico(double valor)
{
    return QString::fromStdString(cientificoAscii(valor));
}

QString FormatoNumero::escalado(double valor, int decimais)
{
    // Worked on in ASCII: the event cells format two or three numbers each.
    const std::string cientifico = cientificoAscii(valor);
    const std::size_t posE = cientifico.find('e');
    const std::string mantissa = cientifico.substr(0, 1) + cientifico.substr(2, posE - 2);
    const char* expoenteInicio = cientifico.data() + posE + 1;
    if (*expoenteInicio == '+') {
        ++expoenteInicio;
    }
    int expoente = 0;
    std::from_chars(expoenteInicio, cientifico.data() + cientifico.size(), expoente);
    const int manter = expoente + 1 + decimais;
    if (manter < 0) {
        return QStringLiteral("0");
    }
    const auto tamanho = static_cast<int>(mantissa.size());
    if (manter >= tamanho) {
        return QString::fromStdString(mantissa + std::string(static_cast<std::size_t>(manter - tamanho), '0'));
    }
    const std::string mantidos = manter == 0 ? std::string("0") : mantissa.substr(0, static_cast<std::size_t>(manter));
    return QString::fromStdString(mantissa[static_cast<std::size_t>(manter)] >= '5' ? somarUm(mantidos) : mantidos);
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
