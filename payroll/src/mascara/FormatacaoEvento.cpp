#include "FormatoNumero.h"

#include "payroll/RotinasEvento.h"

#include "host/NumberRoutines.h"

#include <cmath>

namespace payroll {

namespace {

constexpr double kCentesimal = 1.6666666666666667;
constexpr int kDecimaisReduzidas = 2;
constexpr int kDecimaisCompletas = 9;

bool ehHoraCentesimal(const QString& horaCent)
{
    return horaCent.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 || horaCent == QLatin1String("1");
}

QString minutosCentesimais(int minutos, bool arredondar)
{
    const double centesimos = minutos * kCentesimal;
    return FormatoNumero::inteiro(arredondar ? centesimos : host::TruncateValor(centesimos, 0), 2);
}

// The value is a count of minutes; the quotient and remainder keep the sign
// of the value, as the host's integer division does.
QString formatarHoras(const QString& horaCent, bool arredondar, bool comUnidadeHora, double valor)
{
    const auto total = static_cast<long long>(std::trunc(valor));
    const auto minutos = static_cast<int>(total % 60);
    const QString parteMinutos =
        ehHoraCentesimal(horaCent) ? minutosCentesimais(minutos, arredondar) : FormatoNumero::inteiro(minutos, 2);
    QString texto = FormatoNumero::inteiro(static_cast<double>(total / 60), 3) + QLatin1Char(':') + parteMinutos;
    if (comUnidadeHora) {
        texto += QLatin1String(" hs");
    }
    return texto;
}

bool ehValorUnitario(double valor)
{
    return valor == 1.0;
}

}  // namespace

QString FormatarValorEvento(int tipo, bool duasDecimais, const QString& horaCent, bool arredondar,
                            bool comUnidadeHora, double valor)
{
    if (tipo == kValorHoras) {
        return formatarHoras(horaCent, arredondar, comUnidadeHora, valor);
    }
    return FormatoNumero::agrupado(valor, duasDecimais ? kDecimaisReduzidas : kDecimaisCompletas);
}

QString EscolherHoraOuValor(const QString& referEvento, const QString& hora, int horaFlag, bool mascara,
                            const QString& horaCent, bool arredondar, bool comUnidadeHora, double valor)
{
    const int tipo = referEvento.trimmed() == hora && horaFlag == 1 ? kValorHoras : kValorNumero;
    if (mascara) {
        return QString::number(tipo);
    }
    return FormatarValorEvento(tipo, horaFlag == 1, horaCent, arredondar, comUnidadeHora, valor);
}

QString SufixoDias(double valor)
{
    return ehValorUnitario(valor) ? QStringLiteral(" Dia") : QStringLiteral(" Dias");
}

QString SufixoAvos(double valor)
{
    return ehValorUnitario(valor) ? QStringLiteral(" Avo") : QStringLiteral(" Avos");
}

QString SufixoProcedimento(const QString& referEvento, double valor)
{
    if (referEvento == QLatin1String("3") || referEvento == QLatin1String("7")) {
        return QStringLiteral(" %");
    }
    return referEvento == QLatin1String("4") ? SufixoDias(valor) : QString();
}

}  // namespace payroll
