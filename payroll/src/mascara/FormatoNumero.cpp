#include "FormatoNumero.h"

#include <cmath>

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

QString FormatoNumero::escalado(double valor, int decimais)
{
    // "d.dddddddddddddde+XX": the 15 significant digits and the exponent.
    const QString cientifico = QString::number(std::abs(valor), 'e', kDigitosSignificativos - 1);
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
