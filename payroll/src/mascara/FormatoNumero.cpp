#include "FormatoNumero.h"

#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

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

// The shortest digits that read back as the same double, "d[.ddd]e±XX" as
// std::to_chars writes them. When there are no more than 15 they are also
// the number's 15-digit rounding, ties and all: a double lies within 2^-53 of
// them, far less than half a unit in the 15th digit. Not so below the normal
// range, where doubles are sparser; those go the long way.
struct Curtos {
    char texto[32];
    std::size_t tamanho = 0;
    std::size_t posE = 0;
    int digitos = 0;
    int expoente = 0;
};

bool curtos(double valor, Curtos& c)
{
    if (valor != 0.0 && std::abs(valor) < std::numeric_limits<double>::min())
        return false;
    const auto [fim, erro] =
        std::to_chars(std::begin(c.texto), std::end(c.texto), valor, std::chars_format::scientific);
    if (erro != std::errc())
        return false;
    c.tamanho = static_cast<std::size_t>(fim - c.texto);
    const std::string_view texto(c.texto, c.tamanho);
    c.posE = texto.find('e');
    const std::size_t sinal = texto.front() == '-' ? 1 : 0;
    c.digitos = static_cast<int>(c.posE - sinal) - (c.posE - sinal > 1 ? 1 : 0);
    const char* expoente = c.texto + c.posE + 1;
    if (*expoente == '+')
        ++expoente;
    std::from_chars(expoente, fim, c.expoente);
    return c.digitos <= kDigitosSignificativos;
}

// The digits of a whole number of at most 15 digits, which are exactly what
// escalado gives for it by the long way; hours and minutes are such numbers.
std::optional<std::string> digitosInteiros(double valor)
{
    constexpr double kExato = 1e15;
    const double magnitude = std::abs(valor);
    if (!(magnitude < kExato) || magnitude != std::trunc(magnitude))
        return std::nullopt;
    char texto[20];
    const auto [fim, erro] = std::to_chars(std::begin(texto), std::end(texto), static_cast<long long>(magnitude));
    if (erro != std::errc())
        return std::nullopt;
    return std::string(texto, fim);
}

}  // namespace

// Qt's conversion costs thousands of instructions a number, and base and
// reference cells format two or three numbers each. Most amounts have few
// digits and take the shortest form; the others get std::to_chars' correctly
// rounded digits, except at an exact tie, which Qt rounds up and to_chars to
// even; a tie shows as "50" in the next two digits, and such numbers (and
// non-finite ones) are left to Qt.
std::string FormatoNumero::cientificoAscii(double valor)
{
    const double magnitude = std::abs(valor);
    if (!std::isfinite(magnitude))
        return QString::number(magnitude, 'e', kDigitosSignificativos - 1).toStdString();
    Curtos c;
    if (curtos(magnitude, c)) {
        std::string texto(c.texto, 1);
        texto += '.';
        if (c.posE > 1)
            texto.append(c.texto + 2, c.posE - 2);
        texto.append(static_cast<std::size_t>(kDigitosSignificativos - c.digitos), '0');
        return texto.append(c.texto + c.posE, c.tamanho - c.posE);
    }
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
    return QString::number(magnitude, 'e', kDigitosSignificativos - 1).toStdString();
}

QString FormatoNumero::cientifico(double valor)
{
    return QString::fromStdString(cientificoAscii(valor));
}

QString FormatoNumero::geral(double valor)
{
    // Qt writes a negative zero as "0".
    if (valor == 0.0)
        return QStringLiteral("0");
    Curtos c;
    if (std::isfinite(valor) && curtos(valor, c)) {
        // %g's choice: the exponent form below 1e-4 and from 1e15 on.
        if (c.expoente < -4 || c.expoente >= kDigitosSignificativos)
            return QString::fromLatin1(c.texto, static_cast<qsizetype>(c.tamanho));
        char fixo[48];
        const auto [fim, erro] = std::to_chars(std::begin(fixo), std::end(fixo), valor, std::chars_format::fixed);
        if (erro == std::errc())
            return QString::fromLatin1(fixo, fim - fixo);
    }
    return QString::number(valor, 'g', kDigitosSignificativos);
}

std::string FormatoNumero::escalado(double valor, int decimais)
{
    // Worked on in ASCII: the event cells format two or three numbers each.
    // Digits left off the shortest form are zeros and round nothing up.
    std::string mantissa;
    int expoente = 0;
    Curtos c;
    if (curtos(std::abs(valor), c)) {
        mantissa.assign(c.texto, 1);
        if (c.posE > 1)
            mantissa.append(c.texto + 2, c.posE - 2);
        expoente = c.expoente;
    } else {
        const std::string cientifico = cientificoAscii(valor);
        const std::size_t posE = cientifico.find('e');
        mantissa.assign(cientifico, 0, 1);
        mantissa.append(cientifico, 2, posE - 2);
        const char* expoenteInicio = cientifico.data() + posE + 1;
        if (*expoenteInicio == '+') {
            ++expoenteInicio;
        }
        std::from_chars(expoenteInicio, cientifico.data() + cientifico.size(), expoente);
    }
    const int manter = expoente + 1 + decimais;
    if (manter < 0) {
        return "0";
    }
    const auto tamanho = static_cast<int>(mantissa.size());
    if (manter >= tamanho) {
        return mantissa.append(static_cast<std::size_t>(manter - tamanho), '0');
    }
    const bool subir = mantissa[static_cast<std::size_t>(manter)] >= '5';
    if (manter == 0)
        mantissa = "0";
    else
        mantissa.resize(static_cast<std::size_t>(manter));
    return subir ? somarUm(std::move(mantissa)) : mantissa;
}

void FormatoNumero::agrupar(QString& texto, std::string_view digitos, const QString& separador)
{
    for (std::size_t i = 0; i < digitos.size(); ++i) {
        if (i > 0 && (digitos.size() - i) % 3 == 0) {
            texto += separador;
        }
        texto += QLatin1Char(digitos[i]);
    }
}

QString FormatoNumero::agrupado(double valor, int decimais, const QLocale& locale)
{
    if (!std::isfinite(valor)) {
        return QString::number(valor);
    }
    std::string digitos = escalado(valor, decimais);
    const auto casas = static_cast<std::size_t>(decimais);
    if (digitos.size() <= casas) {
        digitos.insert(0, casas + 1 - digitos.size(), '0');
    }
    const std::size_t inteiros = digitos.size() - casas;
    QString texto;
    texto.reserve(static_cast<qsizetype>(digitos.size() + inteiros / 3 + 3));
    if (valor < 0 && digitos.find_first_not_of('0') != std::string::npos) {
        texto += locale.negativeSign();
    }
    agrupar(texto, std::string_view(digitos).substr(0, inteiros), locale.groupSeparator());
    if (decimais > 0) {
        texto += locale.decimalPoint();
        texto += QLatin1StringView(digitos.data() + inteiros, static_cast<qsizetype>(casas));
    }
    return texto;
}

QString FormatoNumero::inteiro(double valor, int digitos)
{
    if (!std::isfinite(valor)) {
        return QString::number(valor);
    }
    const std::optional<std::string> exatos = digitosInteiros(valor);
    std::string texto = exatos ? *exatos : escalado(valor, 0);
    const bool negativo = valor < 0 && texto.find_first_not_of('0') != std::string::npos;
    if (texto.size() < static_cast<std::size_t>(digitos)) {
        texto.insert(0, static_cast<std::size_t>(digitos) - texto.size(), '0');
    }
    if (negativo)
        texto.insert(0, 1, '-');
    return QString::fromLatin1(texto.data(), static_cast<qsizetype>(texto.size()));
}

}  // namespace payroll
